#pragma once
// What the linear programme's constraint and objective dialogs share: a coefficient per
// variable X[0], X[1], ... in one grid column, taken as typed, and the row the in-cell editor
// stands on.

#include "workbench/dialogs/DialogMessages.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class CoefficientColumn {
public:
    // One row per variable, showing the preset coefficient where `presets` has one, else "0".
    CoefficientColumn(int variables, const std::vector<std::string>& presets);

    int Variables() const { return static_cast<int>(cells.size()); }
    // "X[<row-1>]" for rows from 1.
    static std::string RowLabel(int row) { return "X[" + std::to_string(row - 1) + "]"; }

    // Column 1 of rows 1 .. n (cells[row - 1]).
    std::vector<std::string> cells;

    // The editor's row (from 1); Down stops at the last row, Up at row 1.
    int EditorRow() const { return m_editorRow; }
    void MoveEditorTo(int row);
    void MoveEditorDown() { MoveEditorTo(m_editorRow + 1); }
    void MoveEditorUp() { MoveEditorTo(m_editorRow - 1); }

protected:
    // True when every cell is a number; else says "Non-numeric Data in box <row>" of the first
    // that is not and moves the editor to it.
    bool CheckCells(DialogMessages& messages);

private:
    int m_editorRow = 1;
};

} // namespace TavDialogs
