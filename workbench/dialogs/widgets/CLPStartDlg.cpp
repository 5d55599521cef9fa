#include "workbench/dialogs/widgets/CLPStartDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"variables", "How many variables X[0], X[1], ... the linear programme has."},
};

} // namespace

CLPStartDlg::CLPStartDlg(LPStartDlgModel& model, QtWizardHost& host, QWidget* parent)
    : ModelDialog(QString::fromLatin1(LPStartDlgModel::kTitle), host.Messages(), host.Elements(), parent),
      m_model(model), m_host(host) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_variables = AddEdit(form, QStringLiteral("Number of Variables involved"), QStringLiteral("variables"));
    layout->addLayout(form);
    AddButtons(layout);
    Load();
    TavHelp::ContextHelp::Set(this, "linear-wizard", kFieldHelp);
}

void CLPStartDlg::Load() {
    m_variables->setText(ToQ(m_model.variablesText));
}

void CLPStartDlg::Save() {
    m_model.variablesText = FromQ(m_variables->text());
}

bool CLPStartDlg::Check() {
    return m_model.OnOK(Messages());
}

QWidget* CLPStartDlg::FocusAfterRefusal() {
    return m_variables;
}

} // namespace TavDialogs
