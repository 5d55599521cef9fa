#include "workbench/dialogs/import/SpreadsheetBlock.hpp"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace TavDialogs {

namespace {

bool IsBlankChar(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

SpreadsheetBlock::Cell MakeCell(std::string text) {
    SpreadsheetBlock::Cell cell;
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlankChar(text[first]))
        ++first;
    while (last > first && IsBlankChar(text[last - 1]))
        --last;
    const std::string trimmed = text.substr(first, last - first);
    if (!trimmed.empty()) {
        char* end = nullptr;
        errno = 0;
        const double value = std::strtod(trimmed.c_str(), &end);
        cell.isNumber = end == trimmed.c_str() + trimmed.size() && errno != ERANGE && std::isfinite(value);
        if (cell.isNumber) cell.number = value;
    }
    cell.text = std::move(text);
    return cell;
}

} // namespace

char SpreadsheetBlock::GuessSeparator(const std::string& text) {
    const std::string first = text.substr(0, text.find_first_of("\r\n"));
    if (first.find('\t') != std::string::npos) return '\t';
    if (first.find(';') != std::string::npos && first.find(',') == std::string::npos) return ';';
    return ',';
}

SpreadsheetBlock SpreadsheetBlock::Parse(const std::string& text, char separator, std::size_t maxCells) {
    SpreadsheetBlock block;
    std::vector<Cell> row;
    std::string field;
    bool quoted = false;     // inside a quoted field
    bool fieldStart = true;  // nothing read of this field yet
    bool rowPending = false; // the current row has begun
    // Blank rows are kept back until a row with something in it follows, so that blank lines at
    // the end neither count towards the block's size nor take memory.
    std::size_t blankRows = 0;
    std::size_t blankWidth = 0;
    std::size_t cols = 0;
    const auto tooLarge = [&] {
        block = SpreadsheetBlock();
        block.m_tooLarge = true;
        return block;
    };
    // False once the block has grown past maxCells.
    const auto endField = [&] {
        row.push_back(MakeCell(std::move(field)));
        field.clear();
        fieldStart = true;
        return row.size() <= maxCells;
    };
    const auto endRow = [&] {
        if (!endField()) return false;
        rowPending = false;
        const bool blank = std::all_of(row.begin(), row.end(), [](const Cell& cell) {
            return std::all_of(cell.text.begin(), cell.text.end(), IsBlankChar);
        });
        if (blank) {
            ++blankRows;
            blankWidth = std::max(blankWidth, row.size());
            row.clear();
            return true;
        }
        cols = std::max({cols, blankWidth, row.size()});
        const std::size_t rows = block.m_cells.size() + blankRows + 1;
        if (rows > maxCells / cols) return false;
        block.m_cells.resize(block.m_cells.size() + blankRows);
        blankRows = 0;
        blankWidth = 0;
        block.m_cells.push_back(std::move(row));
        row.clear();
        return true;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field.push_back('"');
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field.push_back(c);
            }
            continue;
        }
        if (c == '"' && fieldStart) {
            quoted = true;
            fieldStart = false;
            rowPending = true;
        } else if (c == separator) {
            if (!endField()) return tooLarge();
            rowPending = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            if (!endRow()) return tooLarge();
        } else {
            field.push_back(c);
            fieldStart = false;
            rowPending = true;
        }
    }
    if ((rowPending || quoted) && !endRow()) return tooLarge();
    // Only blank rows: one of them stands for the block.
    if (block.m_cells.empty() && blankRows > 0) {
        block.m_cells.emplace_back();
        cols = blankWidth;
    }
    block.m_cols = static_cast<int>(cols);
    for (auto& cells : block.m_cells)
        cells.resize(cols);
    return block;
}

bool SpreadsheetBlock::IsBlank() const {
    for (const auto& cells : m_cells)
        for (const Cell& cell : cells)
            if (!std::all_of(cell.text.begin(), cell.text.end(), IsBlankChar)) return false;
    return true;
}

} // namespace TavDialogs
