#include "localsearch/search/Pinputs.hpp"

#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"

#include <algorithm>

namespace GLSLib {

bool Pinputs::Initialise(const GLSCSP& problem, const std::function<bool()>& stopping) {
    for (IntVar* v : problem.GetVariables()) {
        if (stopping && stopping()) return false;
        const auto id = static_cast<unsigned>(v->GetId());
        if (m_table.size() <= id) m_table.resize(id + 1);
        m_table[id].resize(static_cast<unsigned>(v->DomainSize()), 0);
    }
    m_offset.resize(m_table.size(), 0);
    m_rowChanged.resize(m_table.size(), 1);
    m_changedCells.resize(m_table.size());
    NoteAllChanged();
    return true;
}

std::vector<Score>& Pinputs::Row(int varId) {
    const auto id = static_cast<unsigned>(varId);
    std::vector<Score>& row = m_table[id];
    if (m_offset[id] != 0) {
        for (Score& cell : row)
            cell += m_offset[id];
        m_offset[id] = 0;
    }
    NoteRowChanged(varId);
    return row;
}

int Pinputs::Width() const {
    std::size_t width = 0;
    for (const std::vector<Score>& row : m_table)
        width = row.size() > width ? row.size() : width;
    return static_cast<int>(width);
}

bool Pinputs::ChangedCells(int varId, std::vector<int>& cells) const {
    const auto id = static_cast<unsigned>(varId);
    if (m_rowChanged[id]) return true;
    cells = m_changedCells[id];
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    return false;
}

void Pinputs::ForgetChanges(int varId) {
    const auto id = static_cast<unsigned>(varId);
    m_rowChanged[id] = 0;
    m_changedCells[id].clear();
}

void Pinputs::NoteAllChanged() {
    std::fill(m_rowChanged.begin(), m_rowChanged.end(), 1);
    for (std::vector<int>& cells : m_changedCells)
        cells.clear();
}

} // namespace GLSLib
