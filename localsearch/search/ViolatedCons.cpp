#include "localsearch/search/ViolatedCons.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/search/IdTable.hpp"

namespace GLSLib {

void ViolatedCons::Clear() {
    for (Con* c : m_cons)
        m_positions[static_cast<unsigned>(c->GetId())] = -1;
    m_cons.clear();
    m_softWeight = 0;
    m_hardCount = 0;
}

void ViolatedCons::Build(GLSCSP& problem) {
    m_cons.clear();
    m_positions.assign(static_cast<unsigned>(Con::GetCount()), -1);
    m_cons.reserve(m_positions.size());
    m_softWeight = 0;
    m_hardCount = 0;
    for (Con* c : problem.GetConstraints()) {
        c->Initialise();
        if (c->IsViolated()) Add(c);
    }
}

void ViolatedCons::Resize() {
    const auto count = static_cast<unsigned>(Con::GetCount());
    GrowIdTable(m_positions, count, -1);
    ReserveIdTable(m_cons, count);
}

bool ViolatedCons::Contains(const Con* c) const {
    const auto id = static_cast<unsigned>(c->GetId());
    return id < m_positions.size() && m_positions[id] >= 0;
}

void ViolatedCons::Add(Con* c) {
    const auto id = static_cast<unsigned>(c->GetId());
    if (id >= m_positions.size()) Resize();
    if (m_positions[id] >= 0) return;
    if (c->IsHard())
        ++m_hardCount;
    else
        m_softWeight += c->GetWeight();
    m_positions[id] = static_cast<int>(m_cons.size());
    m_cons.push_back(c);
}

void ViolatedCons::Remove(Con* c) {
    const auto id = static_cast<unsigned>(c->GetId());
    if (id >= m_positions.size() || m_positions[id] < 0) return;
    if (c->IsHard())
        --m_hardCount;
    else
        m_softWeight -= c->GetWeight();
    const int pos = m_positions[id];
    Con* last = m_cons.back();
    m_cons[static_cast<unsigned>(pos)] = last;
    m_positions[static_cast<unsigned>(last->GetId())] = pos;
    m_positions[id] = -1;
    m_cons.pop_back();
}

} // namespace GLSLib
