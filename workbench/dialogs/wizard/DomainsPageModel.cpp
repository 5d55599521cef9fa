#include "workbench/dialogs/wizard/DomainsPageModel.hpp"

#include "workbench/dialogs/actions/EditingActions.hpp"
#include "workbench/dialogs/constants/ConstantsDlgModel.hpp"
#include "workbench/dialogs/domains/DomainDialogs.hpp"

namespace TavDialogs {

std::vector<DomainsPageModel::Row> DomainsPageModel::Rows() const {
    std::vector<Row> rows;
    for (const auto& domain : m_lists.model.domains)
        rows.push_back({domain->GetID(), domain->GetTypeName()});
    return rows;
}

bool DomainsPageModel::OnNewDomain() {
    auto domain = RunNewDomainDialogs(m_lists.host, m_lists.Refs());
    if (!domain) return false;
    m_lists.model.domains.Add(std::move(domain));
    return true;
}

bool DomainsPageModel::OnEdit(int row) {
    if (row < 0 || row >= m_lists.model.domains.GetSize()) return false;
    if (m_lists.model.domains[row]->GetType() == TavWorkbench::CDomain::Type::Boolean) return false;
    auto edited = RunDomainDialog(m_lists.host, m_lists.Refs(), row, DialogMode::Edit);
    if (!edited) return false;
    m_lists.model.domains.ReplaceAt(row, std::move(edited));
    return true;
}

bool DomainsPageModel::OnDeleteDomain(int row) {
    EditingActions actions(m_lists.model, m_lists.keyWords, m_lists.templates, m_lists.host,
                           m_lists.messages);
    return actions.DeleteDomain(row).changed;
}

void DomainsPageModel::OnConstants() {
    ConstantsDlgModel dialog(m_lists.model, m_lists.keyWords);
    m_lists.host.Run(dialog);
}

} // namespace TavDialogs
