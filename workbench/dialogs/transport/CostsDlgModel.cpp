#include "workbench/dialogs/transport/CostsDlgModel.hpp"

#include "platform/FatalError.hpp"
#include "workbench/dialogs/lp/LPText.hpp"

namespace TavDialogs {

namespace {

std::string Indexed(const char* prefix, int i) {
    return std::string(prefix) + "[" + std::to_string(i) + "]";
}

} // namespace

CostsDlgModel::CostsDlgModel(CStringTable& table, int rows, int cols)
    : m_table(&table), m_rowLabels(static_cast<std::size_t>(rows < 0 ? 0 : rows)),
      m_colHeaders(static_cast<std::size_t>(cols < 0 ? 0 : cols)), m_widths(m_colHeaders.size() + 1, 1.0),
      m_cells(m_rowLabels.size(), std::vector<std::string>(m_colHeaders.size())) {}

CostsDlgModel CostsDlgModel::Transport(CStringTable& table, int rows, int cols, bool dummyRow,
                                       bool dummyColumn) {
    CostsDlgModel model(table, rows, cols);
    for (int c = 1; c <= model.Cols(); ++c)
        model.m_colHeaders[static_cast<std::size_t>(c - 1)] = Indexed("Cu", c);
    for (int r = 1; r <= model.Rows(); ++r)
        model.m_rowLabels[static_cast<std::size_t>(r - 1)] = Indexed("Wh", r);
    if (dummyRow && model.Rows() > 0) {
        model.m_rowLabels.back() = "Dummy";
        for (auto& cell : model.m_cells.back())
            cell = "0";
    }
    if (dummyColumn && model.Cols() > 0) {
        model.m_colHeaders.back() = "Dummy";
        for (auto& row : model.m_cells)
            row.back() = "0";
    }
    return model;
}

CostsDlgModel CostsDlgModel::Assignment(CStringTable& table, int rows, int cols, int dummyRows,
                                        int dummyCols) {
    CostsDlgModel model(table, rows, cols);
    model.m_title = "Enter the 'Costs' between Candidates and Posts";
    for (int c = 1; c <= model.Cols(); ++c)
        model.m_colHeaders[static_cast<std::size_t>(c - 1)] = Indexed("Post", c);
    for (int r = 1; r <= model.Rows(); ++r)
        model.m_rowLabels[static_cast<std::size_t>(r - 1)] = Indexed("Cand", r);
    if (dummyRows > 0) {
        model.m_widths[0] = 1.5;
        for (int r = model.Rows() - dummyRows + 1; r <= model.Rows(); ++r) {
            if (r < 1) continue;
            model.m_rowLabels[static_cast<std::size_t>(r - 1)] += "(Dummy)";
            for (auto& cell : model.m_cells[static_cast<std::size_t>(r - 1)])
                cell = "0";
        }
    }
    if (dummyCols > 0) {
        for (int c = model.Cols() - dummyCols + 1; c <= model.Cols(); ++c) {
            if (c < 1) continue;
            model.m_colHeaders[static_cast<std::size_t>(c - 1)] += "(Dummy)";
            model.m_widths[static_cast<std::size_t>(c)] = 1.5;
            for (auto& row : model.m_cells)
                row[static_cast<std::size_t>(c - 1)] = "0";
        }
    }
    return model;
}

const std::string& CostsDlgModel::Cell(int row, int col) const {
    if (row < 1 || col < 1 || row > Rows() || col > Cols())
        throw Platform::InternalError("cost cell out of range");
    return m_cells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
}

void CostsDlgModel::SetCell(int row, int col, const std::string& text) {
    if (row < 1 || col < 1 || row > Rows() || col > Cols()) return;
    m_cells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)] = text;
}

void CostsDlgModel::OpenEditor(int row, int col) {
    if (row < 1 || col < 1 || row > Rows() || col > Cols()) return;
    m_editorRow = row;
    m_editorCol = col;
}

void CostsDlgModel::MoveEditorNext() {
    if (Rows() == 0 || Cols() == 0) return;
    if (m_editorCol < Cols()) {
        ++m_editorCol;
        return;
    }
    m_editorCol = 1;
    m_editorRow = m_editorRow >= Rows() ? 1 : m_editorRow + 1;
}

void CostsDlgModel::MoveEditorDown() {
    if (m_editorRow < Rows()) ++m_editorRow;
}

void CostsDlgModel::MoveEditorUp() {
    if (m_editorRow > 1) --m_editorRow;
}

bool CostsDlgModel::OnOK(DialogMessages& messages) {
    CStringTable& table = *m_table;
    for (int r = 1; r <= Rows(); ++r)
        for (int c = 1; c <= Cols(); ++c)
            if (!IsNumericCell(Cell(r, c))) {
                messages.ShowBox(NonNumericMessage((r - 1) * Cols() + c), {});
                OpenEditor(r, c);
                return false;
            }
    for (int r = 1; r <= Rows() && r <= table.Rows(); ++r)
        for (int c = 1; c <= Cols() && c <= table.Cols(); ++c)
            table.SetCell(r - 1, c - 1, Cell(r, c));
    return true;
}

} // namespace TavDialogs
