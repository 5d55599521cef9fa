#include "workbench/dialogs/widgets/CExpDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/variables/SeeAllDlgModel.hpp"
#include "workbench/dialogs/widgets/CForTempDlg.hpp"
#include "workbench/dialogs/widgets/CIFElseDlg.hpp"
#include "workbench/dialogs/widgets/ListEditing.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"text", "The constraint in the modelling language; buttons and list entries insert at the caret."},
    {"id", "The constraint's name: no domain, variable, constant or other constraint may have it."},
    {"tree", "The kinds of building blocks: pick one to list its entries beside it."},
    {"list", "The building blocks of the kind picked: double-click one to insert it at the caret."},
    {"templateHelp", "Shows what the selected constraint template does."},
    {"undo", "Undoes the last change to the constraint text."},
    {"check", "Reads the problem with this constraint and says whether it is correct, or where it is not."},
    {"forall", "Opens the Forall templates: loops that state a constraint for every index."},
    {"ifElse", "Opens the If / Else templates: constraints that depend on a condition."},
    {"viewVariable", "Shows a variable's type, domain and values while you write."},
    {"abs", "Inserts Abs(...): the absolute value of an expression."},
    {"pwr", "Inserts Power(..., ...): an expression raised to a power."},
    {"sum", "Inserts Sum(...): the sum of a list of values."},
    {"plus", "Inserts + (addition)."},
    {"minus", "Inserts - (subtraction)."},
    {"times", "Inserts * (multiplication)."},
    {"divide", "Inserts / (whole-number division)."},
    {"modulo", "Inserts % (the remainder of a division)."},
    {"open", "Inserts an opening parenthesis."},
    {"close", "Inserts a closing parenthesis."},
    {"less", "Inserts < (less than)."},
    {"lessEqual", "Inserts <= (less than or equal)."},
    {"equal", "Inserts = (equal)."},
    {"notEqual", "Inserts <> (not equal)."},
    {"greaterEqual", "Inserts >= (greater than or equal)."},
    {"greater", "Inserts > (greater than)."},
    {"and", "Inserts And: both sides must hold."},
    {"or", "Inserts Or: at least one side must hold."},
    {"not", "Inserts Not: the condition after it must not hold."},
    {"xor", "Inserts Xor: exactly one side must hold."},
    {"index", "Inserts [ ]: an index into an array variable or a list."},
    {"count", "Inserts #: the number of elements of a set or a list."},
    {"concat", "Inserts ++: joins two lists into one."},
    {"openBrace", "Inserts {: opens the constraints of a Forall or an If."},
    {"closeBrace", "Inserts }: closes the constraints of a Forall or an If."},
};

struct ButtonSpec {
    const char* caption;
    const char* name;
    const char* tip;
};

// The operator buttons, each inserting its caption.
const ButtonSpec kOperators[] = {
    {"+", "plus", nullptr},
    {"-", "minus", nullptr},
    {"*", "times", nullptr},
    {"/", "divide", nullptr},
    {"%", "modulo", "Modulous"},
    {"(", "open", nullptr},
    {")", "close", nullptr},
    {"<", "less", nullptr},
    {"<=", "lessEqual", nullptr},
    {"=", "equal", nullptr},
    {"<>", "notEqual", "Not Equal"},
    {">=", "greaterEqual", nullptr},
    {">", "greater", nullptr},
    {"And", "and", nullptr},
    {"Or", "or", nullptr},
    {"Not", "not", nullptr},
    {"Xor", "xor", nullptr},
    {"[ ]", "index", "Index to an array variable or to a list"},
    {"#", "count", "Used as a terminator to indicate length of a list"},
    {"++", "concat", "++ Concatenates 2 Lists"},
    {"{", "openBrace", "Open Brace, used to bracket contents of ForAll loop etc"},
    {"}", "closeBrace", "Close Brace, used to bracket contents of ForAll loop etc"},
};

// The function buttons: the note about placeholders first, then the function.
const ButtonSpec kFunctions[] = {
    {"Abs", "abs", "Returns Absolute Integer value"},
    {"Pwr", "pwr", "Raise to a power"},
    {"Sum", "sum", "Adds values in a list"},
};

} // namespace

CExpDlg::CExpDlg(ExpDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Constraint  Builder"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout();
    auto* textLabel = new QLabel(m_model.IsOptimisation() ? QString() : QStringLiteral("Constraint"), this);
    textLabel->setObjectName(QStringLiteral("textLabel"));
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("text"));
    auto* idLabel = new QLabel(m_model.IsOptimisation() ? QString() : QStringLiteral("ID"), this);
    m_id = new QLineEdit(this);
    m_id->setObjectName(QStringLiteral("id"));
    top->addWidget(textLabel, 0, 0);
    top->addWidget(m_text, 1, 0, 1, 3);
    top->addWidget(idLabel, 2, 0);
    top->addWidget(m_id, 2, 1);
    layout->addLayout(top);
    if (m_model.IsOptimisation()) {
        m_id->setReadOnly(true);
        m_id->setEnabled(false);
        m_id->hide();
    }

    auto* blocks = new QHBoxLayout();
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("tree"));
    m_tree->setHeaderHidden(true);
    m_tree->setToolTip(QStringLiteral("Expand Tree to a leaf, and Constraint components appear in next box"));
    m_list = MakeList(this, "list");
    m_list->setToolTip(
        QStringLiteral("Double click on item in list to move to current position in the Constraint Box."));
    auto* helpColumn = new QVBoxLayout();
    m_templateHelp = new QPushButton(QStringLiteral("?"), this);
    m_templateHelp->setObjectName(QStringLiteral("templateHelp"));
    m_templateHelp->setFlat(true);
    m_templateHelp->setEnabled(false);
    m_templateHelp->setAutoDefault(false);
    helpColumn->addWidget(m_templateHelp);
    helpColumn->addStretch();
    m_list->installEventFilter(this);
    blocks->addWidget(m_tree);
    blocks->addWidget(m_list);
    blocks->addLayout(helpColumn);
    layout->addLayout(blocks);

    auto* commands = new QHBoxLayout();
    auto* undo = AddButton(QStringLiteral("Undo"), QStringLiteral("undo"));
    m_check = AddButton(QStringLiteral("Check Constraint"), QStringLiteral("check"));
    auto* forall = AddButton(QStringLiteral("ForAll..."), QStringLiteral("forall"),
                             QStringLiteral("Select possible templates for constraing array elements"));
    auto* ifElse =
        AddButton(QStringLiteral("If, Else"), QStringLiteral("ifElse"),
                  QStringLiteral("Places selected If.. If..Else Template at current insertion point."));
    auto* viewVariable = AddButton(QStringLiteral("View Variable..."), QStringLiteral("viewVariable"));
    for (QPushButton* button : {undo, m_check, forall, ifElse, viewVariable})
        commands->addWidget(button);
    layout->addLayout(commands);
    auto* operators = new QGridLayout();
    int column = 0;
    for (const ButtonSpec& spec : kFunctions) {
        QPushButton* button = AddButton(QString::fromLatin1(spec.caption), QString::fromLatin1(spec.name),
                                        QString::fromLatin1(spec.tip));
        operators->addWidget(button, 0, column++);
        connect(button, &QPushButton::clicked, this, [this, caption = std::string(spec.caption)] {
            const ExpDlgModel::Insertion insertion = ExpDlgModel::ButtonInsertion(caption);
            Messages().ShowInfo(ExpDlgModel::ReplaceNote(), {});
            Insert(insertion.text);
        });
    }
    int index = 0;
    for (const ButtonSpec& spec : kOperators) {
        QPushButton* button = AddButton(QString::fromLatin1(spec.caption), QString::fromLatin1(spec.name),
                                        spec.tip != nullptr ? QString::fromLatin1(spec.tip) : QString());
        operators->addWidget(button, 1 + index / 11, index % 11);
        ++index;
        connect(button, &QPushButton::clicked, this, [this, caption = std::string(spec.caption)] {
            Insert(ExpDlgModel::ButtonInsertion(caption).text);
        });
    }
    layout->addLayout(operators);
    AddButtons(layout);

    for (const ExpDlgModel::TreeNode& node : m_model.TreeRoots()) {
        auto* root = new QTreeWidgetItem(m_tree, QStringList(ToQ(node.text)));
        for (const std::string& child : node.children)
            new QTreeWidgetItem(root, QStringList(ToQ(child)));
    }
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        m_model.OnSelectNode(item != nullptr ? FromQ(item->text(0)) : std::string());
        std::vector<std::string> texts;
        for (const auto& entry : m_model.ListEntries())
            texts.push_back(entry.text);
        HideHelpNote();
        FillList(m_list, texts);
        m_templateHelp->setEnabled(m_model.IsHelpButtonEnabled());
    });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        HideHelpNote();
        const std::string help = m_model.OnSelectEntry(row);
        m_templateHelp->setEnabled(m_model.IsHelpButtonEnabled());
        if (help.empty() || row < 0) return;
        // The note stands beside the list, level with the selected entry.
        m_helpNote = new TavWorkbench::Ui::CHelpWnd(this);
        m_helpNote->SetHelpText(ToQ(help));
        const QRect entry = m_list->visualItemRect(m_list->item(row));
        const QPoint at = m_list->viewport()->mapToGlobal(QPoint(m_list->viewport()->width(), entry.top()));
        m_helpNote->ShowAt(at.x() + 4, at.y());
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const ExpDlgModel::Insertion insertion = m_model.OnActivateEntry(m_list->row(item));
        if (insertion.text.empty()) return;
        Insert(insertion.text);
        if (insertion.showReplaceNote) Messages().ShowInfo(ExpDlgModel::ReplaceNote(), {});
    });
    connect(undo, &QPushButton::clicked, m_text, &QPlainTextEdit::undo);
    connect(m_check, &QPushButton::clicked, this, &CExpDlg::OnCheck);
    connect(forall, &QPushButton::clicked, this, [this] {
        m_text->setFocus();
        if (m_forall) return;
        m_forall = new CForTempDlg(this);
        connect(m_forall, &CForTempDlg::applied, this,
                [this](int number) { Insert(ExpDlgModel::ForallTemplate(number)); });
        m_forall->show();
    });
    connect(ifElse, &QPushButton::clicked, this, [this] {
        m_text->setFocus();
        if (m_ifElse) return;
        m_ifElse = new CIFElseDlg(this);
        connect(m_ifElse, &CIFElseDlg::applied, this, [this](const std::string& text) { Insert(text); });
        m_ifElse->show();
    });
    connect(viewVariable, &QPushButton::clicked, this, [this] {
        SeeAllDlgModel browser(m_model.Refs().domains, m_model.Refs().variables);
        Host().Run(browser);
    });

    if (!m_model.IsOKEnabled()) {
        m_check->setEnabled(false);
        ShowOnly(false);
        m_text->setReadOnly(true);
        m_id->setReadOnly(true);
    }
    Load();
    TavHelp::ContextHelp::Set(this, "constraint-builder", kFieldHelp);
}

void CExpDlg::HideHelpNote() {
    if (m_helpNote) m_helpNote->close();
    m_helpNote = nullptr;
}

bool CExpDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::FocusOut) HideHelpNote();
    return ModelDialog::eventFilter(watched, event);
}

QPushButton* CExpDlg::AddButton(const QString& caption, const QString& name, const QString& tip) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    if (!tip.isEmpty()) button->setToolTip(tip);
    return button;
}

void CExpDlg::Insert(const std::string& text) {
    QTextCursor cursor = m_text->textCursor();
    cursor.insertText(ToQ(text + " ", true));
    m_text->setTextCursor(cursor);
}

void CExpDlg::Load() {
    if (FromQ(m_text->toPlainText(), true) != m_model.text) m_text->setPlainText(ToQ(m_model.text, true));
    m_id->setText(ToQ(m_model.id));
}

void CExpDlg::Save() {
    m_model.text = FromQ(m_text->toPlainText(), true);
    m_model.id = FromQ(m_id->text());
}

void CExpDlg::ShowSelection() {
    if (m_model.GetSelectionStart() < 0) return;
    QTextCursor cursor = m_text->textCursor();
    cursor.setPosition(WidgetOffset(m_model.text, m_model.GetSelectionStart(), true));
    cursor.setPosition(WidgetOffset(m_model.text, m_model.GetSelectionEnd(), true), QTextCursor::KeepAnchor);
    m_text->setTextCursor(cursor);
}

void CExpDlg::OnCheck() {
    Save();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool accepted = m_model.OnCheck(Messages());
    QApplication::restoreOverrideCursor();
    if (!accepted) {
        Load();
        if (QWidget* focus = FocusAfterRefusal()) focus->setFocus();
    }
}

QWidget* CExpDlg::FocusAfterRefusal() {
    if (m_model.GetFocus() == ExpDlgModel::Field::ID) return m_id;
    ShowSelection();
    return m_text;
}

} // namespace TavDialogs
