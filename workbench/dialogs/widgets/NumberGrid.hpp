#pragma once
// The grid of the grid dialogs: a table of texts whose row 0 and column 0 hold headings, and an
// in-cell editor (CGridEdit) laid over one body cell at a time. The editor follows its cell as
// the grid scrolls and hides while the cell is out of sight. Rows and columns count as in the
// dialogs' models: body cells from (1, 1).

#include "workbench/dialogs/widgets/CGridEdit.hpp"

#include <QTableWidget>

namespace TavDialogs {

class NumberGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit NumberGrid(QWidget* parent = nullptr);

    // Body rows and columns (headings not counted).
    void SetBodySize(int rows, int cols);
    int BodyRows() const { return rowCount(); }
    int BodyCols() const { return columnCount(); }
    void SetColumnHeading(int col, const QString& text);
    void SetRowHeading(int row, const QString& text);
    QString Heading(int row, int col) const;
    void SetCellText(int row, int col, const QString& text);
    QString CellText(int row, int col) const;
    void SetGrey(int row, int col);
    // Column `col` (0 the headings) drawn `factor` times as wide as the others.
    void SetWidthFactor(int col, double factor);

    CGridEdit* Editor() const { return m_editor; }
    int EditorRow() const { return m_row; }
    int EditorCol() const { return m_col; }
    // Lays the editor over body cell (row, col) with the cell's text, scrolling it into view.
    void OpenEditor(int row, int col);
    // Takes the editor away until the next OpenEditor.
    void CloseEditor();
    // The point of a body cell in the viewport (for clicks in tests).
    QPoint CellCentre(int row, int col);

signals:
    // The editor's text changed by the user.
    void cellEdited(int row, int col, const QString& text);
    // A body cell was clicked.
    void bodyCellClicked(int row, int col);

protected:
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void PlaceEditor();

    CGridEdit* m_editor;
    int m_row = 1;
    int m_col = 1;
    // The editor stands on (m_row, m_col), shown whenever that cell is in sight.
    bool m_open = false;
    bool m_loading = false;
};

} // namespace TavDialogs
