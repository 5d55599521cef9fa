#include "workbench/dialogs/views/CVariablesPage.hpp"

#include "workbench/dialogs/views/TextBytes.hpp"
#include "workbench/dialogs/wizard/TavWizardModel.hpp"

namespace TavDialogs {

CVariablesPage::CVariablesPage(VariablesPageModel& model, QWidget* parent)
    : ListPage(QString::fromLatin1(VariablesPageModel::kCaption),
               {QString::fromLatin1(TavWizardModel::kVariablesHint), QString::fromLatin1(TavWizardModel::kConstantsHint)},
               QStringLiteral("variables"), VariablesPageModel::Columns(), [&model](int row) { model.OnEdit(row); },
               parent),
      m_model(model) {
    AddButton("New Variable", "newVariable", [this] { m_model.OnNewVariable(); });
    AddButton("Delete Variable", "deleteVariable", [this] { m_model.OnDeleteVariable(SelectedRow()); });
    AddButton("Constants", "constants", [this] { m_model.OnConstants(); });
    AddButton("Domains", "domains", [this] { m_model.OnDomains(); });
}

void CVariablesPage::Refresh() {
    std::vector<QStringList> rows;
    for (const auto& row : m_model.Rows())
        rows.push_back(QStringList{ToQ(row.id), ToQ(row.type), ToQ(row.domain), ToQ(row.size)});
    ShowRows(rows);
}

} // namespace TavDialogs
