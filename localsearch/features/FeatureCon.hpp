#pragma once
// The feature of an ordinary constraint: one penalty counter for the constraint as a whole.

#include "localsearch/features/Feature.hpp"

#include <vector>

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
    IntVar* GetVariable(int i) const override { return m_variables[static_cast<unsigned>(i)]; }
    int NumVariables() const override { return static_cast<int>(m_variables.size()); }
    bool IncreasePenalty() override {
        ++m_penalty;
        return true;
    }

private:
    Con* m_constraint;
    int m_penalty = 0;
    std::vector<IntVar*> m_variables;
};

} // namespace GLSLib
