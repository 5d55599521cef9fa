#include "workbench/dialogs/widgets/ModelDialog.hpp"

#include "workbench/ui/TitleWidth.hpp"

#include <QBoxLayout>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace TavDialogs {

ModelDialog::ModelDialog(const QString& title, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : QDialog(parent), m_messages(messages), m_host(host) {
    setWindowTitle(title);
    setModal(true);
    TavWorkbench::Ui::KeepTitleVisible(*this);
}

void ModelDialog::AddButtons(QBoxLayout* layout, const QString& okText) {
    auto* row = new QHBoxLayout();
    row->addStretch();
    m_ok = new QPushButton(okText, this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setAutoDefault(false);
    // Every dialog's own table may say more where its buttons do more.
    m_ok->setWhatsThis(
        QStringLiteral("Accepts the dialog; if a field is wrong, says which and keeps the dialog open."));
    m_cancel->setWhatsThis(QStringLiteral("Closes the dialog and changes nothing."));
    row->addWidget(m_ok);
    row->addWidget(m_cancel);
    layout->addLayout(row);
    connect(m_ok, &QPushButton::clicked, this, &ModelDialog::OnOK);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ModelDialog::ShowOnly(bool hideOK) {
    if (m_ok != nullptr) {
        m_ok->setEnabled(false);
        m_ok->setVisible(!hideOK);
    }
    if (m_cancel != nullptr) m_cancel->setText(QStringLiteral("Close"));
}

void ModelDialog::OnOK() {
    Save();
    if (Check()) {
        accept();
        return;
    }
    Load();
    if (QWidget* focus = FocusAfterRefusal()) focus->setFocus();
}

} // namespace TavDialogs
