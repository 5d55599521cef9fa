#include "workbench/dialogs/widgets/CQueenDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"queens", "How many queens, and so how many rows and columns the board has."},
    {"back", "Goes back to the list of templates."},
};

} // namespace

CQueenDlg::CQueenDlg(QueenDlgModel& model, QtWizardHost& host, QWidget* parent)
    : ModelDialog(QString::fromLatin1(QueenDlgModel::kTitle), host.Messages(), host.Elements(), parent),
      m_model(model), m_host(host) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_queens = AddEdit(form, QStringLiteral("Select Number of Queens"), QStringLiteral("queens"));
    layout->addLayout(form);
    layout->addWidget(
        new QLabel(QStringLiteral("The board has as many rows and columns as there are queens."), this));
    AddButtons(layout);
    auto* back = new QPushButton(QStringLiteral("Back"), this);
    back->setObjectName(QStringLiteral("back"));
    back->setAutoDefault(false);
    layout->addWidget(back);
    connect(back, &QPushButton::clicked, this, [this] { done(QtWizardHost::kBack); });
    Load();
    TavHelp::ContextHelp::Set(this, "template-queens", kFieldHelp);
}

void CQueenDlg::Load() {
    m_queens->setText(ToQ(m_model.queensText));
}

void CQueenDlg::Save() {
    m_model.queensText = FromQ(m_queens->text());
}

bool CQueenDlg::Check() {
    return m_model.OnOK(Messages());
}

QWidget* CQueenDlg::FocusAfterRefusal() {
    return m_queens;
}

} // namespace TavDialogs
