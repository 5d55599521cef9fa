#include "workbench/dialogs/widgets/CStringConstDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/ListEditing.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/ui/CNameEdit.hpp"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"id", "The constant's name: starts with a letter; letters, digits and underscores only."},
    {"entries", "The constant's words in order: drag one to move it, double-click one to delete it."},
    {"newValue", "A word to add to the list."},
    {"add", "Adds the new word at the end of the list."},
};

} // namespace

CStringConstDlg::CStringConstDlg(StringConstDlgModel& model, DialogMessages& messages, DialogHost& host,
                                 QWidget* parent)
    : ModelDialog(QStringLiteral("String Constant"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_id = AddEditOf<TavWorkbench::Ui::CNameEdit>(form, QStringLiteral("Constant ID"), QStringLiteral("id"));
    layout->addLayout(form);
    m_entries = MakeList(this, "entries", [this](int from, int to) { m_model.OnMoveValue(from, to); });
    layout->addWidget(m_entries);
    auto* newForm = new QFormLayout();
    m_newValue = AddEdit(newForm, QStringLiteral("New Value"), QStringLiteral("newValue"));
    layout->addLayout(newForm);
    m_add = new QPushButton(QStringLiteral("Add To List"), this);
    m_add->setObjectName(QStringLiteral("add"));
    layout->addWidget(m_add);
    layout->addWidget(
        new QLabel(QStringLiteral("Type in New Value then Add to List.\nDrag list entry to new position to "
                                  "change order.\nDouble Click highlighed entry to delete."),
                   this));
    AddButtons(layout);

    connect(m_newValue, &QLineEdit::textEdited, this, [this] {
        Save();
        m_add->setEnabled(m_model.IsAddEnabled());
    });
    ConnectValueList(m_model, m_add, m_entries, m_newValue);
    if (m_model.IsReadOnly()) {
        m_id->setReadOnly(true);
        m_newValue->setReadOnly(true);
        m_entries->setEnabled(false);
        ShowOnly();
    }
    Load();
    TavHelp::ContextHelp::Set(this, "string-constant", kFieldHelp);
}

void CStringConstDlg::Load() {
    m_id->setText(ToQ(m_model.id));
    FillList(m_entries, m_model.entries);
    m_newValue->setText(ToQ(m_model.newValue));
    m_add->setEnabled(m_model.IsAddEnabled());
}

void CStringConstDlg::Save() {
    m_model.id = FromQ(m_id->text());
    m_model.newValue = FromQ(m_newValue->text());
}

QWidget* CStringConstDlg::FocusAfterRefusal() {
    return m_model.GetFocus() == StringConstDlgModel::Field::NewValue ? m_newValue : m_id;
}

} // namespace TavDialogs
