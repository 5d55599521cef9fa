#pragma once
// The editable number grid of the templates: the distances between ten cities (a symmetric
// table: editing one cell edits its mirror; the diagonal is 0 and grey) or the staff demand of
// each shift on each day. Row 0 and column 0 hold the headings; the body cells are (1..,1..).

#include "workbench/model/GridMap.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class GridDlgModel {
public:
    enum class Mode { Demand = 0, City = 1 };
    static constexpr int kCities = 10;
    static constexpr const char* kCityTitle = "City Distances Grid";
    static constexpr const char* kDemandTitle = "Demand For Staff";

    // Ten cities, headed "City 1" .. "City 10"; each cell shows the stored distance of its pair
    // (empty when none is stored), the diagonal "0". The editor starts on (2, 1).
    static GridDlgModel City(const TavWorkbench::GridMap& distances);
    // `shifts` rows headed "Shift 1" .., `days` columns headed "Day 0" .., every cell the default
    // demand. The editor starts on (1, 1).
    static GridDlgModel Demand(int shifts, int days, int defaultDemand);

    Mode GetMode() const { return m_mode; }
    std::string Title() const { return m_mode == Mode::City ? kCityTitle : kDemandTitle; }
    // Rows and columns, headings included.
    int Rows() const { return static_cast<int>(m_cells.size()); }
    int Cols() const { return m_cells.empty() ? 0 : static_cast<int>(m_cells.front().size()); }
    // Empty outside the grid.
    const std::string& Text(int row, int col) const;
    // A diagonal cell of the distance grid.
    bool IsGrey(int row, int col) const { return m_mode == Mode::City && row == col && row > 0; }

    // The editor's text goes into a body cell; in the distance grid also into the mirror cell.
    // Nothing outside the body.
    void SetCell(int row, int col, const std::string& text);

    // Where the cell editor stands.
    int EditorRow() const { return m_editorRow; }
    int EditorCol() const { return m_editorCol; }
    // Moves the editor to a body cell (a click); nothing outside the body.
    void MoveEditor(int row, int col);

    // Stores the grid: each distance pair once (the diagonal left out), or every demand cell
    // under its shift and day. A cell is read as a whole number (an empty or unreadable cell as
    // 0, a number beyond an int's range as the nearest int).
    void Store(TavWorkbench::GridMap& map) const;

    // The whole number a cell holds, as Store reads it.
    static int CellValue(const std::string& text);

private:
    GridDlgModel(Mode mode, int rows, int cols);

    Mode m_mode;
    std::vector<std::vector<std::string>> m_cells;
    int m_editorRow = 1;
    int m_editorCol = 1;
};

} // namespace TavDialogs
