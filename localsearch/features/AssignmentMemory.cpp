#include "localsearch/features/AssignmentMemory.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/IntVar.hpp"

namespace GLSLib {

void AssignmentMemory::Reset(Con* c) {
    m_lastAdded = -1;
    m_variables.clear();
    c->GetVariables(m_variables);
    m_remembered.clear();
    m_penalties.clear();
    m_byHash.clear();
    m_matching = -1;
    m_current.resize(m_variables.size());
    m_hash = 0;
    for (std::size_t i = 0; i < m_variables.size(); ++i) {
        m_current[i] = m_variables[i]->GetValueIndex();
        m_hash ^= PositionHash(static_cast<int>(i), m_current[i]);
    }
}

std::uint64_t AssignmentMemory::PositionHash(int i, int v) {
    // splitmix64 of the pair: well spread, so that distinct assignments rarely share a hash
    // (and a shared one only costs a comparison).
    std::uint64_t z = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(i)) << 32) ^
                      static_cast<std::uint32_t>(v);
    z += 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

void AssignmentMemory::UpdateVariable(int i, int v) {
    int& current = m_current.at(static_cast<unsigned>(i));
    if (current == v) return;
    m_hash ^= PositionHash(i, current) ^ PositionHash(i, v);
    current = v;
    m_matching = m_remembered.empty() ? -1 : Find(m_hash, i, v);
}

int AssignmentMemory::Find(std::uint64_t hash, int i, int v) const {
    const auto [first, last] = m_byHash.equal_range(hash);
    for (auto it = first; it != last; ++it) {
        const std::vector<int>& entry = m_remembered[static_cast<unsigned>(it->second)];
        bool equal = true;
        for (std::size_t j = 0; j < entry.size() && equal; ++j)
            equal = entry[j] == (static_cast<int>(j) == i ? v : m_current[j]);
        if (equal) return it->second;
    }
    return -1;
}

void AssignmentMemory::PenaliseCurrent() {
    if (m_matching < 0) {
        m_remembered.push_back(m_current);
        m_penalties.push_back(1);
        m_matching = static_cast<int>(m_remembered.size()) - 1;
        m_byHash.emplace(m_hash, m_matching);
        m_lastAdded = m_matching;
        return;
    }
    ++m_penalties[static_cast<unsigned>(m_matching)];
    // The latest penalty went to this assignment, so the previous penalty is read from it.
    m_lastAdded = m_matching;
}

int AssignmentMemory::MatchingPenalty() const {
    return m_matching < 0 ? 0 : m_penalties[static_cast<unsigned>(m_matching)];
}

int AssignmentMemory::PreviousPenalty(int base, int current) const {
    if (m_matching >= 0 && m_matching == m_lastAdded)
        return m_penalties[static_cast<unsigned>(m_lastAdded)] + base - 1;
    return current;
}

} // namespace GLSLib
