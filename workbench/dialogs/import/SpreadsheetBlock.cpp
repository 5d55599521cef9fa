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

SpreadsheetBlock SpreadsheetBlock::Parse(const std::string& text, char separator) {
    SpreadsheetBlock block;
    std::vector<Cell> row;
    std::string field;
    bool quoted = false;     // inside a quoted field
    bool fieldStart = true;  // nothing read of this field yet
    bool rowPending = false; // the current row has begun
    const auto endField = [&] {
        row.push_back(MakeCell(std::move(field)));
        field.clear();
        fieldStart = true;
    };
    const auto endRow = [&] {
        endField();
        block.m_cells.push_back(std::move(row));
        row.clear();
        rowPending = false;
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
            endField();
            rowPending = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            endRow();
        } else {
            field.push_back(c);
            fieldStart = false;
            rowPending = true;
        }
    }
    if (rowPending || quoted) endRow();
    // Blank lines at the end of a file are not rows of the block.
    const auto blankRow = [](const std::vector<Cell>& cells) {
        return std::all_of(cells.begin(), cells.end(), [](const Cell& cell) {
            return std::all_of(cell.text.begin(), cell.text.end(), IsBlankChar);
        });
    };
    while (block.m_cells.size() > 1 && blankRow(block.m_cells.back()))
        block.m_cells.pop_back();
    for (const auto& cells : block.m_cells)
        block.m_cols = std::max(block.m_cols, static_cast<int>(cells.size()));
    for (auto& cells : block.m_cells)
        cells.resize(static_cast<std::size_t>(block.m_cols));
    return block;
}

bool SpreadsheetBlock::IsBlank() const {
    for (const auto& cells : m_cells)
        for (const Cell& cell : cells)
            if (!std::all_of(cell.text.begin(), cell.text.end(), IsBlankChar)) return false;
    return true;
}

} // namespace TavDialogs
