#include "localsearch/features/FeatureCon.hpp"

#include "localsearch/Con.hpp"

#include <ostream>
#include <vector>

namespace GLSLib {

FeatureCon::FeatureCon(Con* c) : m_constraint(c) {}

IntVar* FeatureCon::GetVariable(int i) const {
    std::vector<IntVar*> variables;
    m_constraint->GetVariables(variables);
    return variables[static_cast<unsigned>(i)];
}

int FeatureCon::NumVariables() const {
    std::vector<IntVar*> variables;
    m_constraint->GetVariables(variables);
    return static_cast<int>(variables.size());
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
