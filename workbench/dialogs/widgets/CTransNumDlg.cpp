#include "workbench/dialogs/widgets/CTransNumDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"sources", "How many sources supply (or candidates are to be placed)."},
    {"destinations", "How many destinations demand (or posts are to be filled)."},
};

} // namespace

CTransNumDlg::CTransNumDlg(TransNumDlgModel& model, QtWizardHost& host, QWidget* parent)
    : ModelDialog(ToQ(model.Title()), host.Messages(), host.Elements(), parent), m_model(model),
      m_host(host) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_sources = AddEdit(form, ToQ(model.SourcesLabel()), QStringLiteral("sources"));
    m_destinations = AddEdit(form, ToQ(model.DestinationsLabel()), QStringLiteral("destinations"));
    layout->addLayout(form);
    AddButtons(layout);
    Load();
    TavHelp::ContextHelp::Set(this, "transport-counts", kFieldHelp);
}

void CTransNumDlg::Load() {
    m_sources->setText(ToQ(m_model.sourcesText));
    m_destinations->setText(ToQ(m_model.destinationsText));
}

void CTransNumDlg::Save() {
    m_model.sourcesText = FromQ(m_sources->text());
    m_model.destinationsText = FromQ(m_destinations->text());
}

bool CTransNumDlg::Check() {
    return m_model.OnOK(m_host);
}

QWidget* CTransNumDlg::FocusAfterRefusal() {
    return m_model.Focus() == TransNumDlgModel::Field::Sources ? m_sources : m_destinations;
}

} // namespace TavDialogs
