#include "localsearch/features/FeatureCon.hpp"

#include "localsearch/Con.hpp"

#include <ostream>

namespace GLSLib {

FeatureCon::FeatureCon(Con* c) : m_constraint(c) {
    c->GetVariables(m_variables);
}

std::ostream& FeatureCon::Print(std::ostream& os) const {
    return os << "Feature on " << *m_constraint << " has penalty " << m_penalty << std::endl;
}

bool FeatureCon::IsPresent() const {
    return m_constraint->IsViolated();
}

int FeatureCon::GetCost() const {
    return m_constraint->GetWeight();
}

} // namespace GLSLib
