#include "localsearch/search/ConsiderCons.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"

namespace GLSLib {

void ConsiderCons::Grow() {
    const auto count = static_cast<unsigned>(Con::GetCount());
    if (m_flags.size() < count) m_flags.resize(count, 1);
}

void ConsiderCons::Initialise(GLSCSP& problem, bool evaluate) {
    Grow();
    for (Con* c : problem.GetConstraints())
        Set(c, evaluate);
}

void ConsiderCons::Set(Con* c, bool evaluate) {
    if (!evaluate) {
        SetFlag(c->GetId(), true);
        return;
    }
    c->Initialise();
    SetFlag(c->GetId(), c->IsViolated());
}

void ConsiderCons::SetFlag(int id, bool considered) {
    const auto i = static_cast<unsigned>(id);
    if (i >= m_flags.size()) m_flags.resize(i + 1, 1);
    m_flags[i] = considered ? 1 : 0;
}

} // namespace GLSLib
