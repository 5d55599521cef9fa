// The results view without its window: the grid's size and contents as solutions arrive
// (also when refreshes skip counts), list mode and its stepping, the total row, and the
// clipboard text of a block.

#include "workbench/views/TavViewModel.hpp"

#include <gtest/gtest.h>

using namespace TavWorkbench;

namespace {

// Columns named by `names`, each with `values[i]`.
void Fill(CSolutionArray& store,
          const std::vector<std::pair<std::string, std::vector<std::string>>>& columns) {
    store.Clear();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        CVarSolution* column = store.GetVarSolution(static_cast<int>(i), columns[i].first);
        for (const std::string& value : columns[i].second)
            column->AddValue(value);
    }
}

// Solution s (from 1) of variable i is i * 10 + s.
void Numbered(CSolutionArray& store, int variables, int solutions) {
    store.Clear();
    for (int i = 0; i < variables; ++i) {
        CVarSolution* column = store.GetVarSolution(i, "v" + std::to_string(i));
        for (int s = 1; s <= solutions; ++s)
            column->AddValue(std::to_string(i * 10 + s));
    }
}

} // namespace

TEST(TavViewModel, FirstRefreshMakesRoomForTheRequestedCount) {
    TavViewModel view;
    CSolutionArray store;
    Numbered(store, 8, 1);
    view.RefreshResults(1, store, 5);
    EXPECT_EQ(view.Grid().Rows(), 9);
    EXPECT_EQ(view.Grid().Cols(), 6);
    EXPECT_EQ(view.Grid().TextMatrix(0, 1), "Solution 1");
    EXPECT_EQ(view.Grid().TextMatrix(8, 0), "v7");
    EXPECT_EQ(view.Grid().TextMatrix(8, 1), "71");
    EXPECT_EQ(view.Grid().TextMatrix(1, 2), "");
    // An "all solutions" run starts with two columns and grows.
    view.RefreshResults(1, store, -1);
    EXPECT_EQ(view.Grid().Cols(), 2);
    // A huge count does not make a huge grid.
    view.RefreshResults(1, store, 1000000);
    EXPECT_EQ(view.Grid().Cols(), TavViewModel::kMaxEmptyColumns + 1);
}

TEST(TavViewModel, RefreshesThatSkipCountsLoseNoColumn) {
    TavViewModel view;
    CSolutionArray store;
    Numbered(store, 3, 1);
    view.RefreshResults(1, store, -1);
    Numbered(store, 3, 500);
    view.RefreshResults(500, store, -1);
    ASSERT_EQ(view.Grid().Cols(), 501);
    for (int s = 1; s <= 500; ++s) {
        ASSERT_EQ(view.Grid().TextMatrix(0, s), "Solution " + std::to_string(s));
        ASSERT_EQ(view.Grid().TextMatrix(3, s), std::to_string(20 + s)) << "solution " << s;
    }
    // A new result set (the store emptied and refilled) clears what was there.
    Numbered(store, 2, 3);
    view.RefreshResults(3, store, -1);
    EXPECT_EQ(view.Grid().Rows(), 3);
    EXPECT_EQ(view.Grid().Cols(), 4);
    EXPECT_EQ(view.Grid().TextMatrix(2, 3), "13");
    EXPECT_EQ(view.Grid().TextMatrix(0, 3), "Solution 3");
}

TEST(TavViewModel, GridIsSizedFromEveryColumn) {
    TavViewModel view;
    CSolutionArray store;
    Fill(store, {{"x", {"1"}}, {"y", {"2", "3", "4"}}});
    view.RefreshResults(1, store, 1);
    EXPECT_EQ(view.Grid().Cols(), 4);
    EXPECT_EQ(view.Grid().TextMatrix(0, 3), "Solution 3");
    EXPECT_EQ(view.Grid().TextMatrix(2, 3), "4");
    EXPECT_EQ(view.Grid().TextMatrix(1, 3), "");
}

TEST(TavViewModel, ListShowsOnlyColumnsWithAValue) {
    TavViewModel view;
    CSolutionArray store;
    Fill(store, {{"x", {"1", "2"}}, {"y", {"5"}}, {"z", {"7", "8"}}});
    view.RefreshResults(2, store, -1);
    ASSERT_TRUE(view.GoNextSolution(store));
    const auto lines = view.ListLines(store);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].name, "Variable");
    EXPECT_EQ(lines[0].value, "Value");
    EXPECT_EQ(lines[0].solution, "Solution :2");
    EXPECT_EQ(lines[1].name, "x");
    EXPECT_EQ(lines[1].value, "2");
    EXPECT_EQ(lines[2].name, "z");
    EXPECT_EQ(lines[2].value, "8");
    EXPECT_TRUE(view.ListLines(CSolutionArray()).empty());
}

TEST(TavViewModel, SteppingStopsAtBothEnds) {
    TavViewModel view;
    CSolutionArray store;
    Numbered(store, 2, 3);
    view.RefreshResults(3, store, -1);
    EXPECT_FALSE(view.GoPreviousSolution());
    EXPECT_EQ(view.CurrentSolution(), 0);
    EXPECT_TRUE(view.GoLastSolution(store));
    EXPECT_EQ(view.CurrentSolution(), 2);
    EXPECT_FALSE(view.GoNextSolution(store));
    EXPECT_EQ(view.CurrentSolution(), 2);
    EXPECT_TRUE(view.GoPreviousSolution());
    EXPECT_EQ(view.CurrentSolution(), 1);
    EXPECT_TRUE(view.GoFirstSolution());
    EXPECT_EQ(view.CurrentSolution(), 0);
    // A refresh starts the list again at the first solution.
    view.GoLastSolution(store);
    view.RefreshResults(3, store, -1);
    EXPECT_EQ(view.CurrentSolution(), 0);
}

TEST(TavViewModel, TotalRowIsAddedOnceAndSummed) {
    TavViewModel view;
    CSolutionArray store;
    Fill(store, {{"x", {"1", " 7kg", "-2"}}, {"y", {"2", "x", "5"}}});
    view.RefreshResults(3, store, -1);
    const auto [lower, upper] = view.PrepareTotalRow(store.GetSize());
    EXPECT_EQ(view.Grid().Rows(), 4);
    EXPECT_EQ(view.Grid().TextMatrix(3, 0), "Total");
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 2);
    view.SumRows(1, 2, 3, store);
    EXPECT_EQ(view.Grid().TextMatrix(3, 1), "3");
    EXPECT_EQ(view.Grid().TextMatrix(3, 2), "7");
    EXPECT_EQ(view.Grid().TextMatrix(3, 3), "3");
    // A second total reuses the row; an empty range sums to 0.
    view.PrepareTotalRow(store.GetSize());
    EXPECT_EQ(view.Grid().Rows(), 4);
    view.SumRows(2, 1, 3, store);
    EXPECT_EQ(view.Grid().TextMatrix(3, 1), "0");
    // Numbers too large for one cell's sum still add up.
    Fill(store, {{"x", {"2147483647"}}, {"y", {"2147483647"}}});
    view.RefreshResults(1, store, 1);
    view.PrepareTotalRow(store.GetSize());
    view.SumRows(1, 2, 3, store);
    EXPECT_EQ(view.Grid().TextMatrix(3, 1), "4294967294");
}

TEST(TavViewModel, CopyGivesTheBlockOrTheWholeBody) {
    TavViewModel view;
    CSolutionArray store;
    Fill(store, {{"x", {"1", "2", "3"}}, {"y", {"4", "5", "6"}}});
    view.RefreshResults(3, store, -1);
    view.Grid().SetCell(2, 2);
    EXPECT_EQ(view.CopyText(), "\tSolution 1\tSolution 2\tSolution 3\r\n"
                               "x\t1\t2\t3\r\n"
                               "y\t4\t5\t6\r\n");
    view.Grid().SetCell(1, 2);
    view.Grid().SetSelectionEnd(2, 3);
    EXPECT_EQ(view.CopyText(), "\tSolution 2\tSolution 3\r\n"
                               "x\t2\t3\r\n"
                               "y\t5\t6\r\n");
    // A selection made upwards and leftwards copies the same block.
    view.Grid().SetCell(2, 3);
    view.Grid().SetSelectionEnd(1, 2);
    EXPECT_EQ(view.CopyText(), "\tSolution 2\tSolution 3\r\n"
                               "x\t2\t3\r\n"
                               "y\t5\t6\r\n");
}
