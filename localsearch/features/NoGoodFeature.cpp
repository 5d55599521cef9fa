#include "localsearch/features/NoGoodFeature.hpp"

#include "localsearch/Con.hpp"

namespace GLSLib {

NoGoodFeature::NoGoodFeature(Con* c) : m_constraint(c) {
    m_memory.Reset(c);
}

int NoGoodFeature::GetPreviousPenalty() const {
    if (m_memory.LastAdded() < 0) return 0;
    return m_memory.PreviousPenalty(0, GetPenalty());
}

bool NoGoodFeature::IsPresent() const {
    return m_constraint->IsViolated();
}

int NoGoodFeature::GetCost() const {
    return m_constraint->IsConstraint() ? m_constraint->GetWeight() : 1;
}

} // namespace GLSLib
