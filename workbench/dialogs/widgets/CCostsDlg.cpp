#include "workbench/dialogs/widgets/CCostsDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/NumberGrid.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"grid", "The cost of one unit from each source (row) to each destination (column)."},
};

} // namespace

CCostsDlg::CCostsDlg(CostsDlgModel& model, QtWizardHost& host, QWidget* parent)
    : ModelDialog(ToQ(model.Title()), host.Messages(), host.Elements(), parent), m_model(model),
      m_grid(new NumberGrid(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    AddButtons(layout);
    OKButton()->setAutoDefault(false);
    connect(m_grid, &NumberGrid::cellEdited, this,
            [this](int row, int col, const QString& text) { m_model.SetCell(row, col, FromQ(text)); });
    connect(m_grid, &NumberGrid::bodyCellClicked, this,
            [this](int row, int col) { m_model.OpenEditor(row, col); });
    const auto reopen = [this] { m_grid->OpenEditor(m_model.EditorRow(), m_model.EditorCol()); };
    connect(m_grid->Editor(), &CGridEdit::tabPressed, this, [this, reopen] {
        m_model.MoveEditorNext();
        reopen();
    });
    connect(m_grid->Editor(), &CGridEdit::arrowPressed, this, [this, reopen](bool down) {
        if (down)
            m_model.MoveEditorDown();
        else
            m_model.MoveEditorUp();
        reopen();
    });
    resize(640, 360);
    Load();
    TavHelp::ContextHelp::Set(this, "transport-costs", kFieldHelp);
}

void CCostsDlg::Load() {
    m_grid->SetBodySize(m_model.Rows(), m_model.Cols());
    for (int c = 1; c <= m_model.Cols(); ++c)
        m_grid->SetColumnHeading(c, ToQ(m_model.ColHeader(c)));
    for (int c = 0; c <= m_model.Cols(); ++c)
        if (m_model.WidthFactor(c) != 1.0) m_grid->SetWidthFactor(c, m_model.WidthFactor(c));
    for (int r = 1; r <= m_model.Rows(); ++r) {
        m_grid->SetRowHeading(r, ToQ(m_model.RowLabel(r)));
        for (int c = 1; c <= m_model.Cols(); ++c)
            m_grid->SetCellText(r, c, ToQ(m_model.Cell(r, c)));
    }
    m_grid->OpenEditor(m_model.EditorRow(), m_model.EditorCol());
}

QWidget* CCostsDlg::FocusAfterRefusal() {
    return m_grid->Editor();
}

} // namespace TavDialogs
