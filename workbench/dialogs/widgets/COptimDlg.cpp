#include "workbench/dialogs/widgets/COptimDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/NumberGrid.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"grid", "The objective's coefficient of each variable X[i]: click a cell and type."},
    {"maximize", "Makes the objective as large as possible."},
    {"minimize", "Makes the objective as small as possible."},
};

} // namespace

COptimDlg::COptimDlg(OptimDlgModel& model, QtWizardHost& host, QWidget* parent)
    : ModelDialog(QString::fromLatin1(OptimDlgModel::kTitle), host.Messages(), host.Elements(), parent),
      m_model(model), m_grid(new NumberGrid(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    auto* group = new QGroupBox(QStringLiteral("Optimize Options"), this);
    auto* radios = new QVBoxLayout(group);
    m_maximize = new QRadioButton(QStringLiteral("Maximize"), group);
    m_maximize->setObjectName(QStringLiteral("maximize"));
    m_minimize = new QRadioButton(QStringLiteral("Minimize"), group);
    m_minimize->setObjectName(QStringLiteral("minimize"));
    radios->addWidget(m_maximize);
    radios->addWidget(m_minimize);
    layout->addWidget(group);
    AddButtons(layout);
    OKButton()->setAutoDefault(false);
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
    connect(m_grid->Editor(), &CGridEdit::tabPressed, this, [move] { move(true); });
    connect(m_grid->Editor(), &CGridEdit::enterPressed, this, [move] { move(true); });
    Load();
    TavHelp::ContextHelp::Set(this, "lp-objective", kFieldHelp);
}

void COptimDlg::Load() {
    m_grid->SetBodySize(m_model.Variables(), 1);
    m_grid->SetColumnHeading(1, QStringLiteral("Value"));
    for (int r = 1; r <= m_model.Variables(); ++r) {
        m_grid->SetRowHeading(r, ToQ(OptimDlgModel::RowLabel(r)));
        m_grid->SetCellText(r, 1, ToQ(m_model.cells[static_cast<std::size_t>(r - 1)]));
    }
    m_maximize->setChecked(m_model.option == OptimDlgModel::kMaximize);
    m_minimize->setChecked(m_model.option == OptimDlgModel::kMinimize);
    m_grid->OpenEditor(m_model.EditorRow(), 1);
}

void COptimDlg::Save() {
    for (int r = 1; r <= m_model.Variables(); ++r)
        m_model.cells[static_cast<std::size_t>(r - 1)] = FromQ(m_grid->CellText(r, 1));
    m_model.option = m_maximize->isChecked()   ? OptimDlgModel::kMaximize
                     : m_minimize->isChecked() ? OptimDlgModel::kMinimize
                                               : -1;
}

QWidget* COptimDlg::FocusAfterRefusal() {
    return m_model.Focus() == OptimDlgModel::Field::Maximize ? static_cast<QWidget*>(m_maximize)
                                                             : m_grid->Editor();
}

} // namespace TavDialogs
