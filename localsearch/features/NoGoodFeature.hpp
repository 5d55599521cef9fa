#pragma once
// The feature of a learnt no-good constraint: penalties per remembered assignment only.

#include "localsearch/features/AssignmentMemory.hpp"
#include "localsearch/features/Feature.hpp"

namespace GLSLib {

class NoGoodFeature : public Feature {
public:
    explicit NoGoodFeature(Con* c);
    // Writes nothing.
    std::ostream& Print(std::ostream& os) const override { return os; }
    void UpdateVariable(int i, int valueIndex) override { m_memory.UpdateVariable(i, valueIndex); }
    Con* GetConstraint() const override { return m_constraint; }
    void Reset() override { m_memory.Reset(m_constraint); }
    // The matching assignment's penalty, 0 when none matches.
    int GetPenalty() const override { return m_memory.MatchingPenalty(); }
    int GetPreviousPenalty() const override;
    bool IsPresent() const override;
    int GetCost() const override;
    // Throws std::out_of_range for a bad index.
    IntVar* GetVariable(int i) const override { return m_memory.GetVariable(i); }
    int NumVariables() const override { return m_memory.NumVariables(); }
    // Penalises the current assignment; always false.
    bool IncreasePenalty() override {
        m_memory.PenaliseCurrent();
        return false;
    }

private:
    Con* m_constraint;
    AssignmentMemory m_memory;
};

} // namespace GLSLib
