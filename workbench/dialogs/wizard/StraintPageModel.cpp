#include "workbench/dialogs/wizard/StraintPageModel.hpp"

#include "workbench/dialogs/builder/ExpDlgModel.hpp"
#include "workbench/model/ProblemText.hpp"

#include "language/RawParser.hpp"

namespace TavDialogs {

std::vector<std::string> StraintPageModel::Rows() const {
    std::vector<std::string> rows;
    for (const auto& constraint : m_lists.model.constraints)
        rows.push_back(constraint->GetID());
    return rows;
}

bool StraintPageModel::OnNewConstraint() {
    ExpDlgModel dialog(m_lists.Refs(), m_lists.templates);
    if (!m_lists.host.Run(dialog)) return false;
    dialog.Store(m_lists.model.constraints);
    return true;
}

bool StraintPageModel::OnEdit(int row) {
    if (row < 0 || row >= m_lists.model.constraints.GetSize()) return false;
    ExpDlgModel dialog(m_lists.Refs(), m_lists.templates);
    dialog.Load(*m_lists.model.constraints[row], row, DialogMode::Edit);
    if (!m_lists.host.Run(dialog)) return false;
    dialog.Store(m_lists.model.constraints);
    return true;
}

bool StraintPageModel::OnDelete(int row) {
    if (row < 0 || row >= m_lists.model.constraints.GetSize()) return false;
    if (!m_lists.messages.AskBox("Delete Constraint with ID  " + m_lists.model.constraints[row]->GetID(),
                                 "Delete"))
        return false;
    m_lists.model.constraints.RemoveAt(row);
    return true;
}

bool StraintPageModel::CheckProblem() {
    const TavWorkbench::TavModel& model = m_lists.model;
    const std::string text = TavWorkbench::BuildProblemText(model.constants, model.domains, model.variables,
                                                            model.constraints, nullptr);
    // Parsed from memory, so that no other parse can overwrite the text in between.
    TavLanguage::RawCSP raw;
    bool parsed = false;
    try {
        parsed = TavLanguage::ParseCSPText(text, nullptr, &raw).IsOk();
    } catch (const std::exception&) {
        parsed = false;
    }
    if (!parsed) m_lists.messages.ShowBox(kParseRefusal, {});
    return parsed;
}

} // namespace TavDialogs
