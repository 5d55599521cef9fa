#include "workbench/dialogs/widgets/CEnumDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/ListEditing.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/ui/CNameEdit.hpp"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"id", "The domain's name: starts with a letter; letters, digits and underscores only."},
    {"values", "The domain's named values in order; double-click one to remove it."},
    {"newValue", "A name to add as a value (letter case does not make a new value)."},
    {"add", "Adds the new name to the values."},
};

} // namespace

CEnumDlg::CEnumDlg(EnumDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Enumerated Domain"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_id = AddEditOf<TavWorkbench::Ui::CNameEdit>(form, QStringLiteral("ID"), QStringLiteral("id"));
    layout->addLayout(form);
    m_values = MakeList(this, "values", [this](int from, int to) { m_model.OnMoveValue(from, to); });
    layout->addWidget(m_values);
    auto* row = new QHBoxLayout();
    m_newValue = new QLineEdit(this);
    m_newValue->setObjectName(QStringLiteral("newValue"));
    m_add = new QPushButton(QStringLiteral("Add To List"), this);
    m_add->setObjectName(QStringLiteral("add"));
    row->addWidget(m_newValue);
    row->addWidget(m_add);
    layout->addLayout(row);
    AddButtons(layout);
    OKButton()->setAutoDefault(false);
    m_add->setDefault(true);

    connect(m_newValue, &QLineEdit::textEdited, this, [this] {
        m_model.newValue = FromQ(m_newValue->text());
        m_model.OnNewValueChanged();
        m_add->setEnabled(m_model.IsAddEnabled());
    });
    ConnectValueList(m_model, m_add, m_values, m_newValue);

    if (m_model.IsReadOnly()) {
        m_id->setReadOnly(true);
        m_values->setEnabled(false);
        m_newValue->setReadOnly(true);
        ShowOnly();
    }
    Load();
    if (m_model.GetMode() == DialogMode::New)
        m_id->setFocus();
    else
        m_values->setFocus();
    TavHelp::ContextHelp::Set(this, "enumerated-domain", kFieldHelp);
}

void CEnumDlg::Load() {
    m_id->setText(ToQ(m_model.id));
    FillList(m_values, m_model.values);
    m_newValue->setText(ToQ(m_model.newValue));
    m_add->setEnabled(m_model.IsAddEnabled());
}

void CEnumDlg::Save() {
    m_model.id = FromQ(m_id->text());
    m_model.newValue = FromQ(m_newValue->text());
}

QWidget* CEnumDlg::FocusAfterRefusal() {
    switch (m_model.GetFocus()) {
    case EnumDlgModel::Field::NewValue:
        return m_newValue;
    case EnumDlgModel::Field::ValueList:
        return m_values;
    default:
        return m_id;
    }
}

} // namespace TavDialogs
