#pragma once
// The objective of a linear programme: a coefficient per variable X[0], X[1], ... edited in a
// grid, and whether to maximise or minimise.

#include "workbench/dialogs/DialogMessages.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class OptimDlgModel {
public:
    static constexpr const char* kTitle = "Optimization";
    static constexpr int kMaximize = 0;
    static constexpr int kMinimize = 1;
    enum class Field { Grid, Maximize };

    // One grid row per variable, showing the preset coefficient where `presets` has one, else "0".
    OptimDlgModel(int variables, const std::vector<std::string>& presets, int option = -1);

    int Variables() const { return static_cast<int>(cells.size()); }
    // "X[<row-1>]" for rows from 1.
    static std::string RowLabel(int row) { return "X[" + std::to_string(row - 1) + "]"; }

    // Column 1 of rows 1 .. n (cells[row - 1]).
    std::vector<std::string> cells;
    // kMaximize, kMinimize or -1 (none chosen).
    int option;

    // The editor's row (from 1); Down (Tab, Enter) stops at the last row, Up at row 1.
    int EditorRow() const { return m_editorRow; }
    void MoveEditorTo(int row);
    void MoveEditorDown() { MoveEditorTo(m_editorRow + 1); }
    void MoveEditorUp() { MoveEditorTo(m_editorRow - 1); }

    // Every cell a number ("Non-numeric Data in box <row>", the editor on that row), then a
    // direction ("Please select an Optimize Option", the focus on "Maximize").
    bool OnOK(DialogMessages& messages);
    Field Focus() const { return m_focus; }
    // The coefficients as typed, after OK.
    const std::vector<std::string>& GetCoefficients() const { return m_result; }

private:
    int m_editorRow = 1;
    Field m_focus = Field::Grid;
    std::vector<std::string> m_result;
};

} // namespace TavDialogs
