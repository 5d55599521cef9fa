#include "workbench/net/HostDocument.hpp"

namespace TavNet {

void HostDocument::SetProblemText(std::string text) {
    std::lock_guard lock(m_textLock);
    m_text = std::move(text);
}

bool HostDocument::HasProblem() const {
    std::lock_guard lock(m_textLock);
    return !m_text.empty();
}

bool HostDocument::WriteProblemText(std::string& text) {
    std::lock_guard lock(m_textLock);
    text = m_text;
    return !m_text.empty();
}

void HostDocument::AppendSolutionValue(int column, const std::string& name, const std::string& value) {
    if (column < 0) return;
    if (static_cast<std::size_t>(column) >= m_columns.size()) {
        m_columns.resize(static_cast<std::size_t>(column) + 1);
        m_columns[static_cast<std::size_t>(column)].first = name;
    }
    m_columns[static_cast<std::size_t>(column)].second.push_back(value);
}

std::vector<HostDocument::Column> HostDocument::Columns() {
    std::lock_guard lock(m_solveLock);
    return m_columns;
}

} // namespace TavNet
