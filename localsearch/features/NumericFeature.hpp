#pragma once
// The feature of the objective and of arithmetic comparisons: a penalty for the whole feature
// while the engine judges that one variable's change can still improve the constraint, and
// otherwise a penalty per remembered assignment of the constraint's variables, which applies
// only when the search comes back to that assignment.

#include "localsearch/features/AssignmentMemory.hpp"
#include "localsearch/features/Feature.hpp"

namespace GLSLib {

class GGLS;

class NumericFeature : public Feature {
public:
    // engine may be null: the feature then always takes whole-feature penalties.
    NumericFeature(Con* c, GGLS* engine);
    // Writes nothing.
    std::ostream& Print(std::ostream& os) const override { return os; }
    void UpdateVariable(int i, int valueIndex) override { m_memory.UpdateVariable(i, valueIndex); }
    Con* GetConstraint() const override { return m_constraint; }
    void Reset() override;
    // Base penalty plus the matching assignment's penalty.
    int GetPenalty() const override { return m_basePenalty + m_memory.MatchingPenalty(); }
    int GetPreviousPenalty() const override;
    bool IsPresent() const override;
    // The constraint's weight; 1 for the objective.
    int GetCost() const override;
    // Throws std::out_of_range for a bad index.
    IntVar* GetVariable(int i) const override { return m_memory.GetVariable(i); }
    int NumVariables() const override { return m_memory.NumVariables(); }
    bool IncreasePenalty() override;
    // The engine's CanImprove of the constraint (true without an engine).
    virtual bool CanImprove();

    int NumRemembered() const { return m_memory.NumRemembered(); }

private:
    int m_basePenalty = 0;
    GGLS* m_engine;
    Con* m_constraint;
    AssignmentMemory m_memory;
};

} // namespace GLSLib
