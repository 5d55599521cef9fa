#pragma once
// The objective: minimise an integer expression. Its violation measures how far the current
// value lies above the best value seen so far in its problem, scaled to the expression's range
// and weighted by the problem's objective weight W.

#include "localsearch/Con.hpp"

namespace GLSLib {

class Minimise : public Con {
public:
    explicit Minimise(IntObj* objective);
    // "Minimise(", the objective, ")" and a new line.
    std::ostream& Print(std::ostream& os) const override;
    // Initialises the objective, then takes its bounds (range 1 when they are equal).
    void Initialise() override;
    ExprObj* GetArg(int) const override { return m_objective; }
    unsigned NumArgs() const override { return 1; }
    bool IsConstraint() const override { return false; }
    int GetMin() const override { return m_objective->GetMin(); }
    int GetMax() const override { return m_objective->GetMax(); }
    // A NumericFeature on the objective with the current engine.
    Feature* CreateFeature() override;
    // 0.0 when the value is below the best value seen (which it then becomes); otherwise
    // 1000 (v - best) W / range, in wide integers and saturated at 2147483647. An undefined
    // objective has the maximum violation.
    double GetViolation() const override;
    double GetMaxViolation() const override { return 2147483647.0; }
    // Tells every variable under the objective that it belongs to it.
    void Post() override;
    // The objective's current value; 2147483647 when it is undefined.
    virtual int GetObjectiveValue() const;

    // The best objective value seen in the objective's problem.
    int BestValue() const;
    // The best objective value seen and the objective weight W of the current problem
    // (CurrentState).
    static int GetBestValue();
    static void SetObjectiveWeight(int weight);
    static int GetObjectiveWeight();

private:
    IntObj* m_objective;
    int m_min = -2147483647 - 1;
    int m_max = 2147483647;
    int m_range = 1;
};

} // namespace GLSLib
