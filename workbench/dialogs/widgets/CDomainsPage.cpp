#include "workbench/dialogs/widgets/CDomainsPage.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/dialogs/wizard/TavWizardModel.hpp"

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"domains", "The problem's domains; double-click one to edit it."},
    {"newDomain", "Creates a domain (Integer or Set)."},
    {"deleteDomain", "Deletes the selected domain, unless a variable uses it."},
    {"constants", "Opens the list of constants, to add ones that domains and variables can use."},
};

} // namespace

CDomainsPage::CDomainsPage(DomainsPageModel& model, QWidget* parent)
    : ListPage(QString::fromLatin1(DomainsPageModel::kCaption),
               {QString::fromLatin1(TavWizardModel::kDomainsHint), QString::fromLatin1(TavWizardModel::kConstantsHint)},
               QStringLiteral("domains"), DomainsPageModel::Columns(), [&model](int row) { model.OnEdit(row); },
               parent),
      m_model(model) {
    AddButton("New Domain", "newDomain", [this] { m_model.OnNewDomain(); });
    AddButton("Delete Domain", "deleteDomain", [this] { m_model.OnDeleteDomain(SelectedRow()); });
    AddButton("Constants", "constants", [this] { m_model.OnConstants(); });
    TavHelp::ContextHelp::Set(this, "wizard-domains", kFieldHelp);
}

void CDomainsPage::Refresh() {
    std::vector<QStringList> rows;
    for (const auto& row : m_model.Rows())
        rows.push_back(QStringList{ToQ(row.id), ToQ(row.type)});
    ShowRows(rows);
}

} // namespace TavDialogs
