#include "localsearch/logic/Or.hpp"

#include "localsearch/Arithmetic.hpp"

#include <algorithm>

namespace GLSLib {

double Or::GetViolation() const {
    if (m_args.empty()) return 1000.0;
    int smallest = TruncateToInt(m_args[0]->GetViolation());
    for (std::size_t i = 1; i < m_args.size(); ++i)
        smallest = std::min(smallest, TruncateToInt(m_args[i]->GetViolation()));
    return smallest;
}

double Or::GetMaxViolation() const {
    if (m_args.empty()) return 1000.0;
    int smallest = TruncateToInt(m_args[0]->GetMaxViolation());
    for (std::size_t i = 1; i < m_args.size(); ++i)
        smallest = std::min(smallest, TruncateToInt(m_args[i]->GetMaxViolation()));
    return smallest;
}

bool Or::IsViolated() const {
    for (Con* c : m_args)
        if (!c->IsViolated()) return false;
    return true;
}

} // namespace GLSLib
