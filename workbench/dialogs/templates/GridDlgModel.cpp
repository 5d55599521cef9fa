#include "workbench/dialogs/templates/GridDlgModel.hpp"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace TavDialogs {

GridDlgModel::GridDlgModel(Mode mode, int rows, int cols)
    : m_mode(mode),
      m_cells(static_cast<std::size_t>(rows), std::vector<std::string>(static_cast<std::size_t>(cols))) {}

GridDlgModel GridDlgModel::City(const TavWorkbench::GridMap& distances) {
    GridDlgModel grid(Mode::City, kCities + 1, kCities + 1);
    for (int i = 1; i <= kCities; ++i) {
        grid.m_cells[0][static_cast<std::size_t>(i)] = "City " + std::to_string(i);
        grid.m_cells[static_cast<std::size_t>(i)][0] = "City " + std::to_string(i);
    }
    for (int r = 1; r <= kCities; ++r)
        for (int c = 1; c <= kCities; ++c) {
            int value = 0;
            if (r == c)
                grid.m_cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = "0";
            else if (distances.LookupDistance(static_cast<unsigned>(r), static_cast<unsigned>(c), value))
                grid.m_cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                    std::to_string(value);
        }
    grid.m_editorRow = 2;
    grid.m_editorCol = 1;
    return grid;
}

GridDlgModel GridDlgModel::Demand(int shifts, int days, int defaultDemand) {
    GridDlgModel grid(Mode::Demand, shifts + 1, days + 1);
    for (int r = 1; r <= shifts; ++r)
        grid.m_cells[static_cast<std::size_t>(r)][0] = "Shift " + std::to_string(r);
    for (int c = 1; c <= days; ++c)
        grid.m_cells[0][static_cast<std::size_t>(c)] = "Day " + std::to_string(c - 1);
    for (int r = 1; r <= shifts; ++r)
        for (int c = 1; c <= days; ++c)
            grid.m_cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                std::to_string(defaultDemand);
    return grid;
}

const std::string& GridDlgModel::Text(int row, int col) const {
    static const std::string empty;
    if (row < 0 || col < 0 || row >= Rows() || col >= Cols()) return empty;
    return m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void GridDlgModel::SetCell(int row, int col, const std::string& text) {
    if (row < 1 || col < 1 || row >= Rows() || col >= Cols()) return;
    m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = text;
    if (m_mode == Mode::City && col < Rows() && row < Cols())
        m_cells[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)] = text;
}

void GridDlgModel::MoveEditor(int row, int col) {
    if (row < 1 || col < 1 || row >= Rows() || col >= Cols()) return;
    m_editorRow = row;
    m_editorCol = col;
}

int GridDlgModel::CellValue(const std::string& text) {
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

void GridDlgModel::Store(TavWorkbench::GridMap& map) const {
    if (Rows() < 2) return;
    for (int r = 1; r < Rows(); ++r)
        for (int c = 1; c < Cols(); ++c) {
            const int value = CellValue(Text(r, c));
            if (m_mode == Mode::City) {
                if (r < c) map.SetDistance(static_cast<unsigned>(r), static_cast<unsigned>(c), value);
            } else {
                map.SetDemand(static_cast<unsigned>(r), static_cast<unsigned>(c), value);
            }
        }
}

} // namespace TavDialogs
