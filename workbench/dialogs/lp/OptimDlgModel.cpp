#include "workbench/dialogs/lp/OptimDlgModel.hpp"

#include "workbench/dialogs/lp/LPText.hpp"

namespace TavDialogs {

OptimDlgModel::OptimDlgModel(int variables, const std::vector<std::string>& presets, int chosen)
    : option(chosen) {
    for (int i = 0; i < variables; ++i)
        cells.push_back(!presets.empty() && i < static_cast<int>(presets.size())
                            ? presets[static_cast<std::size_t>(i)]
                            : "0");
}

void OptimDlgModel::MoveEditorTo(int row) {
    if (row >= 1 && row <= Variables()) m_editorRow = row;
}

bool OptimDlgModel::OnOK(DialogMessages& messages) {
    std::vector<std::string> result;
    for (int row = 1; row <= Variables(); ++row) {
        const std::string& text = cells[static_cast<std::size_t>(row - 1)];
        if (!IsNumericCell(text)) {
            m_focus = Field::Grid;
            messages.ShowBox(NonNumericMessage(row), {});
            m_editorRow = row;
            return false;
        }
        result.push_back(text);
    }
    if (option != kMaximize && option != kMinimize) {
        m_focus = Field::Maximize;
        messages.ShowBox("Please select an Optimize Option", {});
        return false;
    }
    m_result = std::move(result);
    return true;
}

} // namespace TavDialogs
