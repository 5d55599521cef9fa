#include "workbench/dialogs/widgets/CGridTotalDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"fromRow", "The first row of the grid to add up."},
    {"toRow", "The last row of the grid to add up."},
};

} // namespace

CGridTotalDlg::CGridTotalDlg(GridTotalDlgModel& model, QtWizardHost& host, QWidget* parent)
    : ModelDialog(QString::fromLatin1(GridTotalDlgModel::kTitle), host.Messages(), host.Elements(), parent),
      m_model(model), m_host(host) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_from = AddEdit(form, QStringLiteral("From Row"), QStringLiteral("fromRow"));
    m_to = AddEdit(form, QStringLiteral("To Row"), QStringLiteral("toRow"));
    layout->addLayout(form);
    AddButtons(layout);
    Load();
    TavHelp::ContextHelp::Set(this, "add-total", kFieldHelp);
}

void CGridTotalDlg::Load() {
    m_from->setText(ToQ(m_model.fromText));
    m_to->setText(ToQ(m_model.toText));
}

void CGridTotalDlg::Save() {
    m_model.fromText = FromQ(m_from->text());
    m_model.toText = FromQ(m_to->text());
}

bool CGridTotalDlg::Check() {
    return m_model.OnOK(Messages());
}

QWidget* CGridTotalDlg::FocusAfterRefusal() {
    return m_model.Focus() == GridTotalDlgModel::Field::FromRow ? m_from : m_to;
}

} // namespace TavDialogs
