#pragma once
// The objective: minimise an integer variable. Holds the bound (the best objective value found,
// at first the variable's largest value); before any solution values up to the bound pass,
// afterwards only values strictly below it, so each recorded solution improves on the last.

#include "complete/Constraint.hpp"
#include "complete/Value.hpp"

namespace GFCLib {

class CSP;
class IntVar;
class Trail;

class Minimise : public Constraint {
public:
    Minimise(IntVar* objective, CSP* problem);
    const char* GetName() const override { return "Minimise"; }
    bool IsSatisfied() const override;
    // Cuts the domain at the bound; never detaches (the bound changes during search).
    bool Preprocess() override;
    bool FilterArg(int i) override;

    IntVar* GetObjectiveVar() const { return m_objective; }
    const Value& GetBound() const { return m_bound; }
    bool HasSolution() const { return m_hasSolution; }
    // Takes the objective's current value as the new bound when it is the first or better;
    // true when the bound changed.
    [[nodiscard]] bool Improve();
    // Removes the values not below the bound from the objective's domain and from every state of
    // it saved on the trail, so that no undo brings them back.
    void Cut(Trail& trail) const;

private:
    IntVar* m_objective;
    CSP* m_problem;
    Value m_bound;
    bool m_hasSolution = false;
};

} // namespace GFCLib
