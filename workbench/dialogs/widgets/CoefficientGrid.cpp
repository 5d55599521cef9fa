#include "workbench/dialogs/widgets/CoefficientGrid.hpp"

#include "workbench/dialogs/widgets/NumberGrid.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

namespace TavDialogs {

CoefficientGrid::CoefficientGrid(QWidget* dialog, CoefficientColumn& column,
                                 std::function<void()> tabOnLastRow)
    : m_column(column), m_grid(new NumberGrid(dialog)) {
    NumberGrid* grid = m_grid;
    // The connections hold the dialog as their context, so they end with it.
    QObject::connect(grid, &NumberGrid::cellEdited, dialog, [&column](int row, int, const QString& text) {
        column.cells.at(static_cast<std::size_t>(row - 1)) = FromQ(text);
    });
    QObject::connect(grid, &NumberGrid::bodyCellClicked, dialog,
                     [&column](int row, int) { column.MoveEditorTo(row); });
    const auto move = [&column, grid](bool down) {
        if (down)
            column.MoveEditorDown();
        else
            column.MoveEditorUp();
        grid->OpenEditor(column.EditorRow(), 1);
    };
    QObject::connect(grid->Editor(), &CGridEdit::arrowPressed, dialog, move);
    QObject::connect(grid->Editor(), &CGridEdit::enterPressed, dialog, [move] { move(true); });
    QObject::connect(grid->Editor(), &CGridEdit::tabPressed, dialog,
                     [&column, move, leave = std::move(tabOnLastRow)] {
                         if (leave && column.EditorRow() >= column.Variables())
                             leave();
                         else
                             move(true);
                     });
}

void CoefficientGrid::Load() {
    m_grid->SetBodySize(m_column.Variables(), 1);
    m_grid->SetColumnHeading(1, QStringLiteral("Value"));
    for (int r = 1; r <= m_column.Variables(); ++r) {
        m_grid->SetRowHeading(r, ToQ(CoefficientColumn::RowLabel(r)));
        m_grid->SetCellText(r, 1, ToQ(m_column.cells[static_cast<std::size_t>(r - 1)]));
    }
    m_grid->OpenEditor(m_column.EditorRow(), 1);
}

void CoefficientGrid::Save() {
    for (int r = 1; r <= m_column.Variables(); ++r)
        m_column.cells[static_cast<std::size_t>(r - 1)] = FromQ(m_grid->CellText(r, 1));
}

} // namespace TavDialogs
