#include "workbench/dialogs/widgets/CSetDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/ListEditing.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/ui/CMyEdit.hpp"
#include "workbench/ui/CNameEdit.hpp"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"id", "The domain's name: starts with a letter; letters, digits and underscores only."},
    {"values", "The numbers a set variable of this domain may hold; double-click one to remove it."},
    {"newValue", "A whole number to add to the values (Enter adds it)."},
    {"add", "Adds the new number to the values, in order."},
    {"range", "Fills the values from a range: From, To and Step."},
};

} // namespace

CSetDlg::CSetDlg(SetDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Set Domain"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_id = AddEditOf<TavWorkbench::Ui::CNameEdit>(form, QStringLiteral("ID"), QStringLiteral("id"));
    layout->addLayout(form);
    m_values = MakeList(this, "values");
    layout->addWidget(m_values);
    m_newGroup = new QGroupBox(QStringLiteral("New Integer Value"), this);
    auto* row = new QHBoxLayout(m_newGroup);
    m_newValue = new TavWorkbench::Ui::CMyEdit(m_newGroup);
    m_newValue->setObjectName(QStringLiteral("newValue"));
    m_add = new QPushButton(QStringLiteral("Add To List"), m_newGroup);
    m_add->setObjectName(QStringLiteral("add"));
    row->addWidget(m_newValue);
    row->addWidget(m_add);
    layout->addWidget(m_newGroup);
    m_range = new QPushButton(QStringLiteral("Enter Via a Range"), this);
    m_range->setObjectName(QStringLiteral("range"));
    m_range->setAutoDefault(false);
    layout->addWidget(m_range);
    AddButtons(layout);
    OKButton()->setAutoDefault(false);
    m_add->setDefault(true);

    ConnectValueList(m_model, m_add, m_values, m_newValue);
    connect(m_range, &QPushButton::clicked, this, [this] {
        Save();
        m_model.OnEnterViaRange(Host());
        Load();
    });

    if (m_model.IsReadOnly()) {
        m_id->setReadOnly(true);
        m_newGroup->hide();
        m_newGroup->setEnabled(false);
        m_range->setEnabled(false);
        m_values->setEnabled(false);
        ShowOnly();
    }
    Load();
    TavHelp::ContextHelp::Set(this, "set-domain", kFieldHelp);
}

void CSetDlg::Load() {
    m_id->setText(ToQ(m_model.id));
    FillList(m_values, m_model.Entries());
    m_newValue->setText(ToQ(m_model.newValue));
}

void CSetDlg::Save() {
    m_model.id = FromQ(m_id->text());
    m_model.newValue = FromQ(m_newValue->text());
}

QWidget* CSetDlg::FocusAfterRefusal() {
    return m_model.GetFocus() == SetDlgModel::Field::NewValue ? static_cast<QWidget*>(m_newValue)
                                                              : static_cast<QWidget*>(m_id);
}

} // namespace TavDialogs
