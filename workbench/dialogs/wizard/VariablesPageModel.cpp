#include "workbench/dialogs/wizard/VariablesPageModel.hpp"

#include "workbench/dialogs/constants/ConstantsDlgModel.hpp"
#include "workbench/dialogs/domains/DomainDialogs.hpp"
#include "workbench/dialogs/variables/NewVarDlgModel.hpp"

namespace TavDialogs {

std::vector<VariablesPageModel::Row> VariablesPageModel::Rows() const {
    std::vector<Row> rows;
    for (const auto& variable : m_lists.model.variables) {
        std::string size = "Single";
        if (variable->IsArray())
            size = variable->GetSizeID().empty() ? variable->GetDimensionText() : variable->GetSizeID();
        rows.push_back({variable->GetID(), variable->GetTypeName(), variable->GetDomainID(), size});
    }
    return rows;
}

bool VariablesPageModel::OnNewVariable() {
    NewVarDlgModel dialog(m_lists.Refs());
    if (!m_lists.host.Run(dialog)) return false;
    for (auto& variable : dialog.MakeVariables())
        m_lists.model.variables.Add(std::move(variable));
    return true;
}

bool VariablesPageModel::OnEdit(int row) {
    if (row < 0 || row >= m_lists.model.variables.GetSize()) return false;
    NewVarDlgModel dialog(m_lists.Refs());
    dialog.Load(*m_lists.model.variables[row], row, NewVarDlgModel::Mode::Edit);
    if (!m_lists.host.Run(dialog)) return false;
    m_lists.model.variables.ReplaceAt(row, dialog.MakeEdited(*m_lists.model.variables[row]));
    return true;
}

bool VariablesPageModel::OnDeleteVariable(int row) {
    if (row < 0 || row >= m_lists.model.variables.GetSize()) return false;
    if (!m_lists.messages.AskBox("Delete Variable with ID  " + m_lists.model.variables[row]->GetID(),
                                 "Delete"))
        return false;
    m_lists.model.variables.RemoveAt(row);
    return true;
}

void VariablesPageModel::OnConstants() {
    ConstantsDlgModel dialog(m_lists.model, m_lists.keyWords);
    m_lists.host.Run(dialog);
}

bool VariablesPageModel::OnDomains() {
    auto domain = RunNewDomainDialogs(m_lists.host, m_lists.Refs());
    if (!domain) return false;
    m_lists.model.domains.Add(std::move(domain));
    return true;
}

} // namespace TavDialogs
