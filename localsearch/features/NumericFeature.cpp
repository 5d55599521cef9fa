#include "localsearch/features/NumericFeature.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/GGLS.hpp"

namespace GLSLib {

NumericFeature::NumericFeature(Con* c, GGLS* engine) : m_engine(engine), m_constraint(c) {
    m_memory.Reset(c);
}

void NumericFeature::Reset() {
    m_basePenalty = 0;
    m_memory.Reset(m_constraint);
}

int NumericFeature::GetPreviousPenalty() const {
    if (m_memory.LastAdded() < 0) return m_basePenalty > 0 ? m_basePenalty - 1 : 0;
    return m_memory.PreviousPenalty(m_basePenalty, GetPenalty());
}

bool NumericFeature::IsPresent() const {
    return m_constraint->IsViolated();
}

int NumericFeature::GetCost() const {
    return m_constraint->IsConstraint() ? m_constraint->GetWeight() : 1;
}

bool NumericFeature::IncreasePenalty() {
    if (CanImprove()) {
        m_memory.ForgetLastAdded();
        ++m_basePenalty;
        return true;
    }
    m_memory.PenaliseCurrent();
    return false;
}

bool NumericFeature::CanImprove() {
    return m_engine == nullptr || m_engine->CanImprove(m_constraint);
}

} // namespace GLSLib
