#include "localsearch/search/MoveList.hpp"

#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"

namespace GLSLib {

void MoveList::Initialise(const GLSCSP& problem) {
    for (IntVar* v : problem.GetVariables()) {
        const auto id = static_cast<unsigned>(v->GetId());
        if (m_positions.size() <= id) m_positions.resize(id + 1);
        m_positions[id].resize(static_cast<unsigned>(v->DomainSize()), -1);
    }
    m_moves.reserve(problem.GetVariables().size());
}

int MoveList::Position(int varId, int valueIndex) const {
    if (static_cast<unsigned>(varId) >= m_positions.size()) return -1;
    const std::vector<int>& row = m_positions[static_cast<unsigned>(varId)];
    if (static_cast<unsigned>(valueIndex) >= row.size()) return -1;
    return row[static_cast<unsigned>(valueIndex)];
}

void MoveList::Add(const Move& m) {
    int& pos = m_positions[static_cast<unsigned>(m.var->GetId())][static_cast<unsigned>(m.value)];
    if (pos >= 0) return;
    pos = static_cast<int>(m_moves.size());
    m_moves.push_back(m);
}

void MoveList::Remove(const Move& m) {
    int& pos = m_positions[static_cast<unsigned>(m.var->GetId())][static_cast<unsigned>(m.value)];
    if (pos < 0) return;
    const Move last = m_moves.back();
    m_moves[static_cast<unsigned>(pos)] = last;
    m_positions[static_cast<unsigned>(last.var->GetId())][static_cast<unsigned>(last.value)] = pos;
    pos = -1;
    m_moves.pop_back();
}

void MoveList::RemoveVariable(int varId) {
    std::vector<int>& row = m_positions[static_cast<unsigned>(varId)];
    for (std::size_t k = 0; k < row.size(); ++k) {
        if (row[k] < 0) continue;
        Remove(m_moves[static_cast<unsigned>(row[k])]);
    }
}

} // namespace GLSLib
