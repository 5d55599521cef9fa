#include "workbench/dialogs/widgets/CVariablesPage.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/dialogs/wizard/TavWizardModel.hpp"

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"variables", "The problem's variables; double-click one to edit it."},
    {"newVariable", "Creates one or more variables over a domain."},
    {"deleteVariable", "Deletes the selected variable (after asking)."},
    {"constants", "Opens the list of constants, to add ones that variables can use."},
    {"domains", "Creates another domain without going back a page."},
};

} // namespace

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
    TavHelp::ContextHelp::Set(this, "wizard-variables", kFieldHelp);
}

void CVariablesPage::Refresh() {
    std::vector<QStringList> rows;
    for (const auto& row : m_model.Rows())
        rows.push_back(QStringList{ToQ(row.id), ToQ(row.type), ToQ(row.domain), ToQ(row.size)});
    ShowRows(rows);
}

} // namespace TavDialogs
