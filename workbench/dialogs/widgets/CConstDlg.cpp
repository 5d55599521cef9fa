#include "workbench/dialogs/widgets/CConstDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/ui/CListSetEdit.hpp"
#include "workbench/ui/CNameEdit.hpp"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"id", "The constant's name: starts with a letter; letters, digits and underscores only."},
    {"set", "The set's numbers separated by commas, such as 1,3,5 (Tav adds the braces); empty for a list."},
    {"list", "The list's elements separated by commas: 1,2,3, or sub-lists such as [1,2],[3,4]."},
};

} // namespace

CConstDlg::CConstDlg(ConstDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Constant"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_id = AddEditOf<TavWorkbench::Ui::CNameEdit>(form, QStringLiteral("Constant ID"), QStringLiteral("id"));
    layout->addLayout(form);
    auto* group = new QGroupBox(QStringLiteral("Enter Set or Value List"), this);
    auto* groupForm = new QFormLayout(group);
    auto* set = new TavWorkbench::Ui::CListSetEdit(group);
    set->SetBrackets(0);
    m_set = set;
    m_set->setObjectName(QStringLiteral("set"));
    m_list = new QPlainTextEdit(group);
    m_list->setObjectName(QStringLiteral("list"));
    groupForm->addRow(QStringLiteral("Set"), m_set);
    groupForm->addRow(QStringLiteral("List"), m_list);
    layout->addWidget(group);
    AddButtons(layout);
    m_set->setEnabled(m_model.IsSetEnabled());
    m_list->setEnabled(m_model.IsListEnabled());
    connect(m_list, &QPlainTextEdit::textChanged, this, [this] {
        // The list box holds at most ConstDlgModel::kListLimit characters.
        if (m_list->toPlainText().size() > static_cast<qsizetype>(ConstDlgModel::kListLimit)) m_list->undo();
    });
    if (m_model.IsReadOnly()) {
        m_id->setReadOnly(true);
        m_set->setReadOnly(true);
        m_list->setReadOnly(true);
        ShowOnly();
    }
    Load();
    TavHelp::ContextHelp::Set(this, "set-list-constant", kFieldHelp);
}

void CConstDlg::Load() {
    m_id->setText(ToQ(m_model.id));
    m_set->setText(ToQ(m_model.setText));
    if (FromQ(m_list->toPlainText(), true) != m_model.listText)
        m_list->setPlainText(ToQ(m_model.listText, true));
}

void CConstDlg::Save() {
    m_model.id = FromQ(m_id->text());
    m_model.setText = FromQ(m_set->text());
    m_model.listText = FromQ(m_list->toPlainText(), true);
}

QWidget* CConstDlg::FocusAfterRefusal() {
    if (m_model.GetFocus() == ConstDlgModel::Field::ID) return m_id;
    if (m_model.GetCaret() >= 0) m_set->setCursorPosition(WidgetOffset(m_model.setText, m_model.GetCaret()));
    return m_set;
}

} // namespace TavDialogs
