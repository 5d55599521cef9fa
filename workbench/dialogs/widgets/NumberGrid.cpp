#include "workbench/dialogs/widgets/NumberGrid.hpp"

#include <QHeaderView>
#include <QScrollBar>

namespace TavDialogs {

NumberGrid::NumberGrid(QWidget* parent) : QTableWidget(parent), m_editor(new CGridEdit(viewport())) {
    setObjectName(QStringLiteral("grid"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    m_editor->hide();
    connect(m_editor, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_loading) return;
        SetCellText(m_row, m_col, text);
        emit cellEdited(m_row, m_col, text);
    });
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int col) {
        OpenEditor(row + 1, col + 1);
        emit bodyCellClicked(row + 1, col + 1);
    });
}

void NumberGrid::SetBodySize(int rows, int cols) {
    setRowCount(rows);
    setColumnCount(cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            if (item(r, c) == nullptr) setItem(r, c, new QTableWidgetItem());
    if (m_row > rows || m_col > cols) {
        m_open = false;
        m_editor->hide();
    }
}

void NumberGrid::SetColumnHeading(int col, const QString& text) {
    if (col >= 1) setHorizontalHeaderItem(col - 1, new QTableWidgetItem(text));
}

void NumberGrid::SetRowHeading(int row, const QString& text) {
    if (row >= 1) setVerticalHeaderItem(row - 1, new QTableWidgetItem(text));
}

QString NumberGrid::Heading(int row, int col) const {
    if (row == 0 && col >= 1) {
        const QTableWidgetItem* heading = horizontalHeaderItem(col - 1);
        return heading != nullptr ? heading->text() : QString();
    }
    if (col == 0 && row >= 1) {
        const QTableWidgetItem* heading = verticalHeaderItem(row - 1);
        return heading != nullptr ? heading->text() : QString();
    }
    return {};
}

void NumberGrid::SetCellText(int row, int col, const QString& text) {
    if (QTableWidgetItem* cell = item(row - 1, col - 1)) cell->setText(text);
    if (row == m_row && col == m_col && m_editor->isVisible() && m_editor->text() != text) {
        m_loading = true;
        m_editor->setText(text);
        m_loading = false;
    }
}

QString NumberGrid::CellText(int row, int col) const {
    const QTableWidgetItem* cell = item(row - 1, col - 1);
    return cell != nullptr ? cell->text() : QString();
}

void NumberGrid::SetGrey(int row, int col) {
    if (QTableWidgetItem* cell = item(row - 1, col - 1)) cell->setBackground(QColor(192, 192, 192));
}

void NumberGrid::SetWidthFactor(int col, double factor) {
    if (col == 0) {
        verticalHeader()->setMinimumWidth(static_cast<int>(verticalHeader()->sizeHint().width() * factor));
        return;
    }
    setColumnWidth(col - 1, static_cast<int>(horizontalHeader()->defaultSectionSize() * factor));
}

void NumberGrid::OpenEditor(int row, int col) {
    if (row < 1 || col < 1 || row > rowCount() || col > columnCount()) return;
    m_row = row;
    m_col = col;
    m_open = true;
    scrollToItem(item(row - 1, col - 1));
    m_loading = true;
    m_editor->setText(CellText(row, col));
    m_loading = false;
    PlaceEditor();
    if (m_editor->isVisible()) {
        m_editor->setFocus();
        m_editor->selectAll();
    }
}

void NumberGrid::CloseEditor() {
    m_open = false;
    m_editor->hide();
    m_editor->setEnabled(false);
}

QPoint NumberGrid::CellCentre(int row, int col) {
    scrollToItem(item(row - 1, col - 1));
    return visualItemRect(item(row - 1, col - 1)).center();
}

void NumberGrid::PlaceEditor() {
    QTableWidgetItem* cell = item(m_row - 1, m_col - 1);
    if (cell == nullptr) {
        m_editor->hide();
        m_editor->setEnabled(false);
        return;
    }
    const QRect rect = visualItemRect(cell);
    if (!rect.isValid() || !viewport()->rect().intersects(rect)) {
        m_editor->hide();
        m_editor->setEnabled(false);
        return;
    }
    m_editor->setGeometry(rect);
    m_editor->setEnabled(true);
    m_editor->show();
}

void NumberGrid::scrollContentsBy(int dx, int dy) {
    QTableWidget::scrollContentsBy(dx, dy);
    if (m_open) PlaceEditor();
}

void NumberGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    if (m_open) PlaceEditor();
}

void NumberGrid::showEvent(QShowEvent* event) {
    QTableWidget::showEvent(event);
    if (!m_open) return;
    scrollToItem(item(m_row - 1, m_col - 1));
    PlaceEditor();
    if (m_editor->isVisible()) m_editor->setFocus();
}

} // namespace TavDialogs
