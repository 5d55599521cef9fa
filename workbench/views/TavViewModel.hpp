#pragma once
// What the results view shows, without the window: the display mode (a list of one solution at
// a time, or the grid of all solutions), the solution the list shows, the grid's cells with the
// total row, and the clipboard text of a grid block. The solution store is read by the caller's
// thread with the store's lock held; the model keeps no copy of it beyond the grid's texts.

#include "workbench/model/CSolutionArray.hpp"
#include "workbench/views/ResultsGrid.hpp"

#include <string>
#include <utility>
#include <vector>

namespace TavWorkbench {

class TavViewModel {
public:
    // One line of list mode: at x 0 and 150 (and, for the heading, the third text at 230).
    struct ListLine {
        std::string name;
        std::string value;
        std::string solution;
    };

    // At most this many columns are made ready for solutions not yet found.
    static constexpr int kMaxEmptyColumns = 1000;

    // The number of solutions the store holds: its longest column (0 without columns).
    static int SolutionCount(const CSolutionArray& store);

    bool IsGridMode() const { return m_gridMode; }
    void ShowGrid() { m_gridMode = true; }
    void ShowList() { m_gridMode = false; }
    int CurrentSolution() const { return m_current; }
    ResultsGrid& Grid() { return m_grid; }
    const ResultsGrid& Grid() const { return m_grid; }

    // A solve (or a load of external solutions) has delivered `count` solutions so far, after
    // asking for `requested` (-1: all). Count 1 (or fewer than the grid already shows) starts a
    // new result set: the grid is cleared. The grid then holds every solution of the store:
    // columns already written are kept, so refreshes that skip counts lose nothing. The list
    // goes back to the first solution.
    void RefreshResults(int count, const CSolutionArray& store, int requested);

    // List-mode stepping; each returns whether the list must be drawn again.
    bool GoFirstSolution();
    bool GoLastSolution(const CSolutionArray& store);
    bool GoNextSolution(const CSolutionArray& store);
    bool GoPreviousSolution();

    // List mode: the heading line ("Variable", "Value", "Solution :n"), then one line per
    // column that has a value for the current solution. Empty when there is nothing to show.
    std::vector<ListLine> ListLines(const CSolutionArray& store) const;

    // Add Total, first step: makes sure the grid has its "Total" row below the variables and
    // returns the rows a total may span (1 and the last variable row).
    std::pair<int, int> PrepareTotalRow(int records);
    // Writes into row `target` of each solution column the sum of the cells of rows from..to,
    // each read as a whole number (its leading digits; none counts 0). Nothing without columns.
    void SumRows(int from, int to, int target, const CSolutionArray& store);

    // The clipboard text of the selected block (the whole body when one cell or nothing is
    // selected): a heading line (an empty field, then the solution headings), then a line per
    // row (its name, then its cells); fields separated by TAB, every line ended by CR LF.
    std::string CopyText() const;

private:
    void FillGrid(int from, const CSolutionArray& store);

    bool m_gridMode = false;
    int m_current = 0;
    ResultsGrid m_grid;
    // Solution columns the grid holds for the current result set.
    int m_filled = 0;
};

} // namespace TavWorkbench
