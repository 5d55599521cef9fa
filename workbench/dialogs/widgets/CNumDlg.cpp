#include "workbench/dialogs/widgets/CNumDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/ui/CMyEdit.hpp"
#include "workbench/ui/CNameEdit.hpp"
#include "workbench/ui/CPopupEdit.hpp"
#include "workbench/ui/CPopupTip.hpp"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"id", "The domain's name: starts with a letter; letters, digits and underscores only."},
    {"min", "The smallest value of the range, typed as a whole number."},
    {"max", "The largest value of the range, typed as a whole number."},
    {"minConst", "The integer constant that gives the smallest value (chosen with the ... beside it)."},
    {"maxConst", "The integer constant that gives the largest value (chosen with the ... beside it)."},
    {"minOffset", "A number added to the constant chosen for the smallest value (for N-1 type -1)."},
    {"maxOffset", "A number added to the constant chosen for the largest value (for N-1 type -1)."},
    {"pickMin", "Chooses an integer constant for the smallest value."},
    {"pickMax", "Chooses an integer constant for the largest value."},
    {"listConst", "The list constant whose numbers are the domain's values (chosen with the ... beside it)."},
    {"pickList", "Chooses a list constant as the domain's values, in place of a range."},
    {"values", "The values typed one by one, in place of a range; double-click one to remove it."},
    {"newValue", "A whole number to add to the value list (Enter adds it)."},
    {"add", "Adds the new value to the list, in order (a list replaces the range)."},
};

template <class Edit> QLineEdit* NamedEdit(QWidget* parent, const char* name, bool readOnly = false) {
    auto* edit = new Edit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(readOnly);
    return edit;
}

QPushButton* NamedButton(QWidget* parent, const QString& text, const char* name) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

CNumDlg::CNumDlg(NumDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Integer Domain"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_id = AddEditOf<TavWorkbench::Ui::CNameEdit>(form, QStringLiteral("ID"), QStringLiteral("id"));
    layout->addLayout(form);

    auto* range = new QGridLayout();
    m_min = NamedEdit<TavWorkbench::Ui::CMyEdit>(this, "min");
    m_max = NamedEdit<TavWorkbench::Ui::CMyEdit>(this, "max");
    m_minConst = NamedEdit<TavWorkbench::Ui::CPopupEdit>(this, "minConst", true);
    m_maxConst = NamedEdit<TavWorkbench::Ui::CPopupEdit>(this, "maxConst", true);
    m_minOffset = NamedEdit<TavWorkbench::Ui::CMyEdit>(this, "minOffset");
    m_maxOffset = NamedEdit<TavWorkbench::Ui::CMyEdit>(this, "maxOffset");
    m_pickMin = NamedButton(this, QStringLiteral("..."), "pickMin");
    m_pickMax = NamedButton(this, QStringLiteral("..."), "pickMax");
    range->addWidget(new QLabel(QStringLiteral("Min"), this), 0, 0);
    range->addWidget(m_min, 0, 1);
    range->addWidget(new QLabel(QStringLiteral("or Constant"), this), 0, 2);
    range->addWidget(m_minConst, 0, 3);
    range->addWidget(m_pickMin, 0, 4);
    range->addWidget(new QLabel(QStringLiteral("+"), this), 0, 5);
    range->addWidget(m_minOffset, 0, 6);
    range->addWidget(new QLabel(QStringLiteral("Max"), this), 1, 0);
    range->addWidget(m_max, 1, 1);
    range->addWidget(new QLabel(QStringLiteral("or Constant"), this), 1, 2);
    range->addWidget(m_maxConst, 1, 3);
    range->addWidget(m_pickMax, 1, 4);
    range->addWidget(new QLabel(QStringLiteral("+"), this), 1, 5);
    range->addWidget(m_maxOffset, 1, 6);
    layout->addLayout(range);

    auto* list = new QGridLayout();
    m_listConst = NamedEdit<TavWorkbench::Ui::CPopupEdit>(this, "listConst", true);
    m_pickList = NamedButton(this, QStringLiteral("..."), "pickList");
    m_values = new QListWidget(this);
    m_values->setObjectName(QStringLiteral("values"));
    m_newValue = NamedEdit<TavWorkbench::Ui::CMyEdit>(this, "newValue");
    m_add = NamedButton(this, QStringLiteral("Add To List"), "add");
    list->addWidget(new QLabel(QStringLiteral("List Constant"), this), 0, 0);
    list->addWidget(m_listConst, 0, 1);
    list->addWidget(m_pickList, 0, 2);
    list->addWidget(m_values, 1, 0, 1, 3);
    list->addWidget(m_newValue, 2, 0, 1, 2);
    list->addWidget(m_add, 2, 2);
    layout->addLayout(list);
    AddButtons(layout);
    OKButton()->setAutoDefault(false);
    // Enter adds the new value; OK has its own button.
    m_add->setDefault(true);

    ConnectValueList(m_model, m_add, m_values, m_newValue);
    connect(m_min, &QLineEdit::textEdited, this, [this] {
        Save();
        m_model.OnMinEdited();
        Load();
    });
    connect(m_max, &QLineEdit::textEdited, this, [this] {
        Save();
        m_model.OnMaxEdited();
        Load();
    });
    const auto pick = [this](NumDlgModel::ConstBox box) {
        Save();
        m_model.OnPickConst(box, Host(), Messages());
        Load();
    };
    connect(m_pickMin, &QPushButton::clicked, this, [pick] { pick(NumDlgModel::ConstBox::Min); });
    connect(m_pickMax, &QPushButton::clicked, this, [pick] { pick(NumDlgModel::ConstBox::Max); });
    connect(m_pickList, &QPushButton::clicked, this, [pick] { pick(NumDlgModel::ConstBox::List); });

    for (QLineEdit* box : {m_minConst, m_maxConst, m_listConst})
        static_cast<TavWorkbench::Ui::CPopupEdit*>(box)->SetConstants(&m_model.Constants());
    if (m_model.IsReadOnly()) {
        for (QLineEdit* edit : {m_id, m_min, m_max, m_minOffset, m_maxOffset})
            edit->setReadOnly(true);
        for (QPushButton* button : {m_pickMin, m_pickMax, m_pickList})
            button->setEnabled(false);
        m_newValue->setEnabled(false);
        m_newValue->hide();
        m_add->setEnabled(false);
        m_add->hide();
        m_values->setEnabled(false);
    }
    if (!m_model.IsOKEnabled()) ShowOnly(m_model.IsReadOnly());
    Load();
    TavHelp::ContextHelp::Set(this, "integer-domain", kFieldHelp);
}

void CNumDlg::Load() {
    m_id->setText(ToQ(m_model.id));
    m_min->setText(ToQ(m_model.minText));
    m_max->setText(ToQ(m_model.maxText));
    m_minConst->setText(ToQ(m_model.minConstID));
    m_maxConst->setText(ToQ(m_model.maxConstID));
    m_listConst->setText(ToQ(m_model.listConstID));
    m_minOffset->setText(ToQ(m_model.minOffsetText));
    m_maxOffset->setText(ToQ(m_model.maxOffsetText));
    m_minOffset->setEnabled(m_model.IsMinOffsetEnabled());
    m_maxOffset->setEnabled(m_model.IsMaxOffsetEnabled());
    m_newValue->setText(ToQ(m_model.newValue));
    Refresh();
}

void CNumDlg::Refresh() {
    m_values->clear();
    for (const std::string& entry : m_model.Entries())
        m_values->addItem(ToQ(entry));
}

void CNumDlg::Save() {
    m_model.id = FromQ(m_id->text());
    m_model.minText = FromQ(m_min->text());
    m_model.maxText = FromQ(m_max->text());
    m_model.minOffsetText = FromQ(m_minOffset->text());
    m_model.maxOffsetText = FromQ(m_maxOffset->text());
    m_model.newValue = FromQ(m_newValue->text());
}

QWidget* CNumDlg::FocusAfterRefusal() {
    switch (m_model.GetFocus()) {
    case NumDlgModel::Field::Min:
        return m_min;
    case NumDlgModel::Field::Max:
        return m_max;
    case NumDlgModel::Field::MinOffset:
        return m_minOffset;
    case NumDlgModel::Field::MaxOffset:
        return m_maxOffset;
    case NumDlgModel::Field::ValueList:
        return m_values;
    case NumDlgModel::Field::NewValue:
        return m_newValue;
    default:
        return m_id;
    }
}

} // namespace TavDialogs
