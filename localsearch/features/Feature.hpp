#pragma once
// A penalty feature of guided local search: belongs to one constraint (or the objective), is
// present while the constraint is violated, costs the constraint's weight, and counts how
// often the engine has penalised it.

#include "localsearch/Obj.hpp"

namespace GLSLib {

class Con;
class IntVar;
class ModelState;

class Feature : public Obj {
public:
    // A feature of the current problem (CurrentState), numbered from its counter.
    Feature();

    virtual int GetId() const { return m_id; }
    // Variable i of the feature now has value index valueIndex.
    virtual void UpdateVariable(int, int) {}
    virtual bool IsConFeature() const { return false; }
    virtual Con* GetConstraint() const { return nullptr; }
    // Back to the state at construction.
    virtual void Reset() = 0;
    virtual int GetPenalty() const = 0;
    // The penalty before the latest increase.
    virtual int GetPreviousPenalty() const = 0;
    virtual bool IsPresent() const = 0;
    virtual int GetCost() const = 0;
    virtual IntVar* GetVariable(int i) const = 0;
    virtual int NumVariables() const = 0;
    // Raises the penalty; true when the whole feature was penalised, false when only the
    // current assignment of its variables was.
    virtual bool IncreasePenalty() = 0;

    // 0 when absent; otherwise cost x 1000 / (penalty + 1), in wide integers, saturated.
    int GetUtility() const;

    // The lambda that weighs penalties in the feature's problem.
    int Lambda() const;

    // The lambda of the current problem (CurrentState).
    static void SetLambda(int lambda);
    static int GetLambda();
    // Restarts the current problem's feature numbering at 0.
    static void ResetCount();

private:
    ModelState* m_state;
    int m_id;
};

} // namespace GLSLib
