#include "localsearch/features/AssignmentMemory.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/IntVar.hpp"

namespace GLSLib {

void AssignmentMemory::Reset(Con* c) {
    m_lastAdded = -1;
    m_variables.clear();
    c->GetVariables(m_variables);
    m_remembered.clear();
    m_mismatches.clear();
    m_penalties.clear();
    m_matching = -1;
    m_current.resize(m_variables.size());
    for (std::size_t i = 0; i < m_variables.size(); ++i)
        m_current[i] = m_variables[i]->GetValueIndex();
}

void AssignmentMemory::UpdateVariable(int i, int v) {
    int& current = m_current.at(static_cast<unsigned>(i));
    if (current == v) return;
    // Only real transitions count, so that a return to a remembered assignment through a
    // third value is recognised.
    for (std::size_t k = 0; k < m_remembered.size(); ++k) {
        const int entry = m_remembered[k][static_cast<unsigned>(i)];
        if (entry == current) {
            if (++m_mismatches[k] == 1 && m_matching == static_cast<int>(k)) m_matching = -1;
        } else if (entry == v) {
            if (--m_mismatches[k] == 0) m_matching = static_cast<int>(k);
        }
    }
    current = v;
}

void AssignmentMemory::PenaliseCurrent() {
    if (m_matching < 0) {
        m_remembered.push_back(m_current);
        m_mismatches.push_back(0);
        m_penalties.push_back(1);
        m_matching = static_cast<int>(m_remembered.size()) - 1;
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
