#pragma once
// The printed results: the solutions are cut into blocks of as many columns as fit across a
// page, each block a heading line ("Sol:n" labels), one line per variable and a blank line;
// blocks go onto pages as whole blocks, or a block too long for a page runs over several.
// Every page ends with a footer line. Pure layout in the printer's units: the window's
// printing code only measures texts and draws what PageTexts returns.

#include "workbench/SolveSettings.hpp"
#include "workbench/model/CSolutionArray.hpp"

#include <functional>
#include <string>
#include <vector>

namespace TavWorkbench {

// One printed page: the first block's solutions [first, end), the number of blocks on the page,
// and the variable rows printed (the last one clamped to the variables when drawn).
struct CPrintControl {
    int firstSolution = 0;
    int endSolution = 0;
    int blocks = 0;
    int firstRow = 0;
    int lastRow = 0;
    bool operator==(const CPrintControl&) const = default;
};

// The printer's page in its own units: the text height, the gap between columns and the
// printable rectangle.
struct PageMetrics {
    int lineHeight = 1;
    int gap = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct PrintLayout {
    // The x position of every solution's column (blocks reuse the first block's positions).
    std::vector<int> columnPositions;
    std::vector<CPrintControl> pages;
    int linesPerPage = 0;
    int columnsPerBlock = 0;
};

// A text to draw with its top-left corner at (x, y).
struct PlacedText {
    int x = 0;
    int y = 0;
    std::string text;
};

struct PageDrawing {
    std::vector<PlacedText> texts;
    // The footer's rule from (left, y) to (right, y).
    int ruleY = 0;
};

using TextWidth = std::function<int(const std::string&)>;

// Lays `solutions` solutions of `records` variables out on pages. A page too small for one
// line still takes one; without solutions one page lists the variables alone.
PrintLayout Paginate(const PageMetrics& metrics, const TextWidth& widthOf, int solutions, int records);

// The solver family in plain words: "Using complete search" for complete search (and a value
// no setting has, which solves as complete search), "Using local search" for the others.
std::string SolverFooter(SolverSetting setting);

// What page `number` (from 1) shows: "Variable", the blocks of its CPrintControl, and the
// footer ("Page:n ", the title, the solver footer).
PageDrawing PageTexts(const PrintLayout& layout, int number, const PageMetrics& metrics,
                      const TextWidth& widthOf, const CSolutionArray& store, const std::string& title,
                      SolverSetting setting);

} // namespace TavWorkbench
