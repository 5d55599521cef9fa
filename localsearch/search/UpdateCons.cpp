#include "localsearch/search/UpdateCons.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"

namespace GLSLib {

bool UpdateCons::IsSmall(ExprObj* node) {
    return node->CountVariables() < 5;
}

void UpdateCons::Initialise(const GLSCSP& problem, bool all) {
    m_flags.assign(static_cast<unsigned>(Con::GetCount()), 1);
    for (Con* c : problem.GetConstraints())
        m_flags[static_cast<unsigned>(c->GetId())] = (all || IsSmall(c)) ? 1 : 0;
}

void UpdateCons::Set(int id) {
    if (static_cast<unsigned>(id) >= m_flags.size()) m_flags.resize(static_cast<unsigned>(id) + 1, 1);
    m_flags[static_cast<unsigned>(id)] = 1;
}

void UpdateCons::Clear(int id) {
    if (static_cast<unsigned>(id) >= m_flags.size()) m_flags.resize(static_cast<unsigned>(id) + 1, 1);
    m_flags[static_cast<unsigned>(id)] = 0;
}

void UpdateCons::Grow() {
    const auto count = static_cast<unsigned>(Con::GetCount());
    if (m_flags.size() < count) m_flags.resize(count, 1);
}

} // namespace GLSLib
