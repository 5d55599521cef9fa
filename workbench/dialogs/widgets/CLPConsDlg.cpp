#include "workbench/dialogs/widgets/CLPConsDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/NumberGrid.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"grid", "The constraint's coefficient of each variable X[i]: click a cell and type."},
    {"operator", "How the left-hand side compares with the right-hand side: <=, = or >=."},
    {"rhs", "The number on the right-hand side of the constraint."},
};

} // namespace

CLPConsDlg::CLPConsDlg(LPConsDlgModel& model, QtWizardHost& host, QWidget* parent)
    : ModelDialog(QString::fromLatin1(LPConsDlgModel::kTitle), host.Messages(), host.Elements(), parent),
      m_model(model), m_grid(new NumberGrid(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    auto* form = new QFormLayout();
    m_operator = new QComboBox(this);
    m_operator->setObjectName(QStringLiteral("operator"));
    for (const std::string& op : LPConsDlgModel::Operators())
        m_operator->addItem(ToQ(op));
    form->addRow(QStringLiteral("Operator"), m_operator);
    m_rhs = AddEdit(form, QStringLiteral("Right-hand side"), QStringLiteral("rhs"));
    layout->addLayout(form);
    AddButtons(layout);
    OKButton()->setAutoDefault(false);
    CancelButton()->setAutoDefault(false);
    connect(m_grid, &NumberGrid::cellEdited, this, [this](int row, int, const QString& text) {
        m_model.cells.at(static_cast<std::size_t>(row - 1)) = FromQ(text);
    });
    connect(m_grid, &NumberGrid::bodyCellClicked, this, [this](int row, int) { m_model.MoveEditorTo(row); });
    const auto move = [this](bool down) {
        if (down)
            m_model.MoveEditorDown();
        else
            m_model.MoveEditorUp();
        m_grid->OpenEditor(m_model.EditorRow(), 1);
    };
    connect(m_grid->Editor(), &CGridEdit::arrowPressed, this, move);
    connect(m_grid->Editor(), &CGridEdit::enterPressed, this, [move] { move(true); });
    connect(m_grid->Editor(), &CGridEdit::tabPressed, this, [this, move] {
        if (m_model.EditorRow() < m_model.Variables())
            move(true);
        else
            m_operator->setFocus();
    });
    Load();
    TavHelp::ContextHelp::Set(this, "lp-constraint", kFieldHelp);
}

void CLPConsDlg::Load() {
    m_grid->SetBodySize(m_model.Variables(), 1);
    m_grid->SetColumnHeading(1, QStringLiteral("Value"));
    for (int r = 1; r <= m_model.Variables(); ++r) {
        m_grid->SetRowHeading(r, QStringLiteral("X[%1]").arg(r - 1));
        m_grid->SetCellText(r, 1, ToQ(m_model.cells[static_cast<std::size_t>(r - 1)]));
    }
    m_operator->setCurrentIndex(m_model.operatorIndex);
    m_rhs->setText(ToQ(m_model.rhsText));
    m_grid->OpenEditor(m_model.EditorRow(), 1);
}

void CLPConsDlg::Save() {
    for (int r = 1; r <= m_model.Variables(); ++r)
        m_model.cells[static_cast<std::size_t>(r - 1)] = FromQ(m_grid->CellText(r, 1));
    m_model.operatorIndex = m_operator->currentIndex();
    m_model.rhsText = FromQ(m_rhs->text());
}

QWidget* CLPConsDlg::FocusAfterRefusal() {
    return m_model.Focus() == LPConsDlgModel::Field::Operator ? static_cast<QWidget*>(m_operator)
                                                              : m_grid->Editor();
}

} // namespace TavDialogs
