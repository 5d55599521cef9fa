#include "localsearch/search/UnconsideredCons.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"

namespace GLSLib {

void UnconsideredCons::Initialise(const GLSCSP& problem, bool evaluate) {
    m_positions.assign(static_cast<unsigned>(Con::GetCount()), -1);
    m_cons.clear();
    if (!evaluate) return;
    for (Con* c : problem.GetConstraints())
        if (!c->IsViolated()) Add(c);
}

bool UnconsideredCons::Contains(const Con* c) const {
    const auto id = static_cast<unsigned>(c->GetId());
    return id < m_positions.size() && m_positions[id] >= 0;
}

void UnconsideredCons::Add(Con* c) {
    const auto id = static_cast<unsigned>(c->GetId());
    if (id >= m_positions.size()) m_positions.resize(static_cast<unsigned>(Con::GetCount()), -1);
    if (id >= m_positions.size()) m_positions.resize(id + 1, -1);
    if (m_positions[id] >= 0) return;
    m_positions[id] = static_cast<int>(m_cons.size());
    m_cons.push_back(c);
}

void UnconsideredCons::Remove(Con* c) {
    const auto id = static_cast<unsigned>(c->GetId());
    if (id >= m_positions.size() || m_positions[id] < 0) return;
    const int pos = m_positions[id];
    Con* last = m_cons.back();
    m_cons[static_cast<unsigned>(pos)] = last;
    m_positions[static_cast<unsigned>(last->GetId())] = pos;
    m_positions[id] = -1;
    m_cons.pop_back();
}

} // namespace GLSLib
