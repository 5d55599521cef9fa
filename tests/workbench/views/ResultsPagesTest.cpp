// The printed pages of the results: blocks of columns per page, blocks running over pages,
// the degenerate pages (no solution, a page too small for a line), and what one page draws.

#include "workbench/views/ResultsPages.hpp"

#include <gtest/gtest.h>

using namespace TavWorkbench;

namespace {

// Every text is 10 units per character; lines are 10 high.
int Width(const std::string& text) {
    return static_cast<int>(text.size()) * 10;
}

// A page whose width takes exactly `columns` "Sol:n" labels of up to 5 characters and whose
// height takes `lines` lines.
PageMetrics Page(int columns, int lines) {
    PageMetrics m;
    m.lineHeight = 10;
    m.gap = 20;
    m.top = 0;
    m.bottom = (lines + 4) * 10;
    m.left = 0;
    // "Variable" (80) + gap, then 70 per column; the loop stops once x passes right - 70.
    m.right = 100 + columns * 70 + 70;
    return m;
}

CSolutionArray Store(int variables, int solutions) {
    CSolutionArray store;
    for (int i = 0; i < variables; ++i) {
        CVarSolution* column = store.GetVarSolution(i, "v" + std::to_string(i));
        for (int s = 0; s < solutions; ++s)
            column->AddValue(std::to_string(s));
    }
    return store;
}

} // namespace

TEST(ResultsPages, BlocksShareAPage) {
    const PrintLayout layout = Paginate(Page(8, 40), Width, 20, 3);
    EXPECT_EQ(layout.columnsPerBlock, 8);
    EXPECT_EQ(layout.linesPerPage, 40);
    ASSERT_EQ(layout.pages.size(), 1u);
    EXPECT_EQ(layout.pages[0], (CPrintControl{0, 8, 3, 0, 3}));
    ASSERT_EQ(layout.columnPositions.size(), 20u);
    EXPECT_EQ(layout.columnPositions[8], layout.columnPositions[0]);
    EXPECT_EQ(layout.columnPositions[19], layout.columnPositions[3]);
}

TEST(ResultsPages, LongBlocksRunOverPages) {
    // 10 variables, 5 lines a page: rows 0-4, 5-9, and a last page with the heading alone.
    const PrintLayout layout = Paginate(Page(4, 5), Width, 6, 10);
    EXPECT_EQ(layout.columnsPerBlock, 4);
    const std::vector<CPrintControl> expected = {{0, 4, 1, 0, 4}, {0, 4, 1, 5, 9}, {0, 4, 1, 10, 14},
                                                 {4, 8, 1, 0, 4}, {4, 8, 1, 5, 9}, {4, 8, 1, 10, 14}};
    EXPECT_EQ(layout.pages, expected);
    const CSolutionArray store = Store(10, 6);
    const PageDrawing last =
        PageTexts(layout, 6, Page(4, 5), Width, store, "T", SolverSetting::CompleteSearch);
    // "Variable", the labels of solutions 5 and 6, and the footer's three texts.
    EXPECT_EQ(last.texts.size(), 6u);
}

TEST(ResultsPages, DegeneratePagesDoNotDivideByZero) {
    // Variables but no solution: one page of names.
    PrintLayout layout = Paginate(Page(4, 40), Width, 0, 3);
    EXPECT_EQ(layout.columnsPerBlock, 0);
    ASSERT_EQ(layout.pages.size(), 1u);
    const CSolutionArray store = Store(3, 0);
    const PageDrawing page =
        PageTexts(layout, 1, Page(4, 40), Width, store, "T", SolverSetting::CompleteSearch);
    EXPECT_EQ(page.texts[1].text, "v0");
    // A page with room for no line, and a page too narrow for a column.
    PageMetrics tiny = Page(1, 0);
    tiny.bottom = 5;
    tiny.right = 1;
    layout = Paginate(tiny, Width, 3, 2);
    EXPECT_EQ(layout.linesPerPage, 1);
    EXPECT_EQ(layout.columnsPerBlock, 1);
    EXPECT_EQ(layout.pages.size(), 9u);
    // A text height of zero counts as one.
    PageMetrics flat = Page(2, 10);
    flat.lineHeight = 0;
    EXPECT_FALSE(Paginate(flat, Width, 5, 2).pages.empty());
}

TEST(ResultsPages, PageDrawsBlocksAndFooter) {
    const PageMetrics metrics = Page(2, 40);
    const PrintLayout layout = Paginate(metrics, Width, 3, 2);
    ASSERT_EQ(layout.pages.size(), 1u);
    CSolutionArray store = Store(2, 3);
    const PageDrawing page =
        PageTexts(layout, 1, metrics, Width, store, "queens.tav", SolverSetting::GuidedLocalSearch);
    std::vector<std::string> texts;
    for (const PlacedText& t : page.texts)
        texts.push_back(t.text);
    const std::string footer = SolverFooter(SolverSetting::GuidedLocalSearch);
    const std::vector<std::string> expected = {"Variable", "Sol:1", "Sol:2",   "v0",         "0",   "1",
                                               "v1",       "0",     "1",       "Sol:3",      "v0",  "2",
                                               "v1",       "2",     "Page:1 ", "queens.tav", footer};
    EXPECT_EQ(texts, expected);
    // The second block starts after a blank line below the first.
    EXPECT_EQ(page.texts[9].y, 40);
    EXPECT_EQ(page.ruleY, metrics.bottom - 40);
    EXPECT_EQ(page.texts.back().y, page.ruleY + 10);
    EXPECT_EQ(SolverFooter(SolverSetting::CompleteSearch), "Using complete search");
    EXPECT_EQ(SolverFooter(SolverSetting::GuidedLocalSearch), "Using local search");
    EXPECT_EQ(SolverFooter(SolverSetting::TabuSearch), "Using local search");
}
