#pragma once
// The feature of an ordinary constraint: one penalty counter for the constraint as a whole.

#include "localsearch/features/Feature.hpp"

namespace GLSLib {

class FeatureCon : public Feature {
public:
    explicit FeatureCon(Con* c);
    // "Feature on ", the constraint, " has penalty ", the penalty and a line end.
    std::ostream& Print(std::ostream& os) const override;
    bool IsConFeature() const override { return true; }
    Con* GetConstraint() const override { return m_constraint; }
    void Reset() override { m_penalty = 0; }
    int GetPenalty() const override { return m_penalty; }
    int GetPreviousPenalty() const override { return m_penalty > 0 ? m_penalty - 1 : 0; }
    bool IsPresent() const override;
    int GetCost() const override;
    // The constraint's variables (its GetVariables), found afresh: no search asks, and a list
    // kept in each of hundreds of thousands of features cost a third of their memory.
    IntVar* GetVariable(int i) const override;
    int NumVariables() const override;
    bool IncreasePenalty() override {
        ++m_penalty;
        return true;
    }

private:
    Con* m_constraint;
    int m_penalty = 0;
};

} // namespace GLSLib
