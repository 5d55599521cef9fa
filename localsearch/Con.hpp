#pragma once
// A constraint: an integer node whose value is its truth (1 satisfied, 0 violated) and whose
// violation is a double >= 0, 0.0 exactly when it holds (units of 1000 per violated unit).
// A constraint whose arguments are undefined reports its maximum violation; its own value is
// always defined.

#include "localsearch/IntObj.hpp"

namespace GLSLib {

class Feature;
class ModelState;

class Con : public IntObj {
public:
    // A constraint of the current problem (CurrentState), numbered from its counter.
    Con();

    int GetId() const override { return m_id; }
    // Passes the change on: a logical dependent gets UpdateViolation with the violation
    // truncated to int, any other dependent Update with the truth value.
    void Update(int position, int value) override;
    void UpdateUndefined(int position) override;
    bool IsConstraint() const override { return true; }
    // 1 when GetViolation() is 0.0, else 0.
    IntResult Value() const override { return GetViolation() == 0.0 ? 1 : 0; }
    int GetMin() const override { return 0; }
    int GetMax() const override { return 1; }

    virtual bool IsConjunction() const { return false; }
    // A new penalty feature on this constraint (a FeatureCon), owned by the registry.
    virtual Feature* CreateFeature();
    virtual bool IsHard() const { return true; }
    // Weight of the constraint's feature: its problem's constraint weight.
    virtual int GetWeight() const;
    // Writes the constraint through Print; returns the stream.
    virtual std::ostream& PrintTo(std::ostream& os) const { return os << *this; }
    virtual bool IsSequence() const { return false; }
    virtual bool IsViolated() const { return GetViolation() > 0.0; }
    // Current violation, a double >= 0.0.
    virtual double GetViolation() const = 0;
    // The largest violation the constraint can have.
    virtual double GetMaxViolation() const = 0;
    // Number of conjuncts (1 for a plain constraint) and conjunct i (the constraint itself).
    virtual int NumConjuncts() const { return 1; }
    virtual Con* GetConjunct(int) { return this; }
    // Records the constraint with every variable below it.
    virtual void Post() { RegisterConstraint(this); }
    // Writes what makes the constraint violated (nothing by default); returns the stream.
    virtual std::ostream& PrintViolation(std::ostream& os) const { return os; }

    // The state of the problem the constraint belongs to.
    ModelState& State() const { return *m_state; }

    // Number of constraints of the current problem (CurrentState) created since its start or
    // the last reset.
    static int GetCount();
    static void ResetCount();
    // Sets the current problem's weight of hard constraints.
    static void SetWeight(int weight);

protected:
    // Tells every dependent the constraint's new state (see Update).
    void ForwardConChange();

private:
    ModelState* m_state;
    int m_id;
};

} // namespace GLSLib
