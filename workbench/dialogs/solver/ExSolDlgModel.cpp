#include "workbench/dialogs/solver/ExSolDlgModel.hpp"

namespace TavDialogs {

std::string ExSolDlgModel::Line(std::size_t row) const {
    const Entry& entry = m_entries.at(row);
    return "User#" + std::to_string(entry.userNumber) + ": " + entry.name;
}

void ExSolDlgModel::OnChoose(int row) {
    if (row >= 0 && row < static_cast<int>(m_entries.size())) m_chosen = row;
}

std::optional<int> ExSolDlgModel::ChosenUser() const {
    if (!HasChoice()) return std::nullopt;
    return m_entries[static_cast<std::size_t>(m_chosen)].userNumber;
}

} // namespace TavDialogs
