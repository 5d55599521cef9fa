#pragma once
// A rectangular block of spreadsheet cells read from text: the tab-separated text a spreadsheet
// program puts on the clipboard for copied cells, or a CSV or tab-separated file. Fields in
// double quotes may hold separators, line breaks and doubled quotes. Rows shorter than the
// widest are filled with empty cells.

#include <cstddef>
#include <string>
#include <vector>

namespace TavDialogs {

class SpreadsheetBlock {
public:
    struct Cell {
        std::string text;
        // The cell holds one finite number (blanks around it allowed).
        bool isNumber = false;
        double number = 0.0;
    };

    // The most cells a block may have (its rows times its widest row); a larger one is TooLarge.
    static constexpr std::size_t kMaxCells = 1000000;

    // Reads `text` with `separator` between cells. A line break at the end of the text does not
    // start a row, and blank rows at the end are dropped (one is kept when all are blank). Rows end at
    // "\r\n", "\n" or "\r" outside quotes. A block of more than `maxCells` cells is read no
    // further: it is TooLarge and holds no cells.
    static SpreadsheetBlock Parse(const std::string& text, char separator, std::size_t maxCells = kMaxCells);
    // The separator of a file's text: a tab when the first line holds one, else ";" when it
    // holds a ";" and no ",", else ",".
    static char GuessSeparator(const std::string& text);

    int Rows() const { return static_cast<int>(m_cells.size()); }
    int Cols() const { return m_cols; }
    // Rows and columns count from 1.
    const Cell& At(int row, int col) const {
        return m_cells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
    }
    // Every cell empty or blank.
    bool IsBlank() const;
    bool TooLarge() const { return m_tooLarge; }

private:
    std::vector<std::vector<Cell>> m_cells;
    int m_cols = 0;
    bool m_tooLarge = false;
};

} // namespace TavDialogs
