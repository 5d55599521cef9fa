#include "workbench/dialogs/solver/ExSolDlgModel.hpp"

namespace TavDialogs {

void ExSolDlgModel::OnChoose(int row) {
    if (row >= 0 && row < static_cast<int>(m_entries.size())) m_chosen = row;
}

} // namespace TavDialogs
