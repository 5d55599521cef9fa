#include "workbench/views/ResultsPages.hpp"

#include <algorithm>

namespace TavWorkbench {

namespace {

std::string SolutionLabel(int s) {
    return "Sol:" + std::to_string(s + 1);
}

} // namespace

PrintLayout Paginate(const PageMetrics& metrics, const TextWidth& widthOf, int solutions, int records) {
    PrintLayout layout;
    const int h = std::max(metrics.lineHeight, 1);
    const int g = std::max(metrics.gap, 0);
    // A page too small for a line still prints one.
    const int lines = std::max((metrics.bottom - 4 * h - metrics.top) / h, 1);
    layout.linesPerPage = lines;

    int x = widthOf("Variable") + g + metrics.left;
    for (int s = 0; s < solutions; ++s) {
        const int w = widthOf(SolutionLabel(s));
        layout.columnPositions.push_back(x);
        x += w + g;
        if (x >= metrics.right - (w + g)) break;
    }
    const int perBlock = static_cast<int>(layout.columnPositions.size());
    layout.columnsPerBlock = perBlock;
    for (int i = perBlock; i < solutions; ++i)
        layout.columnPositions.push_back(layout.columnPositions[static_cast<std::size_t>(i % perBlock)]);

    // Without solutions there are no columns: one block of the variables' names alone.
    const int blocks = perBlock == 0 ? 1 : (solutions + perBlock - 1) / perBlock;
    const int rowsPerBlock = records + 2;
    if (lines < rowsPerBlock) {
        for (int b = 0; b < blocks; ++b) {
            const int first = b * perBlock;
            for (int row = 0; row < records + 1; row += lines)
                layout.pages.push_back({first, first + perBlock, 1, row, row + lines - 1});
        }
    } else {
        const int perPage = lines / rowsPerBlock;
        int remaining = blocks;
        for (int p = 0; remaining > 0; ++p) {
            const int first = p * perPage * perBlock;
            layout.pages.push_back({first, first + perBlock, std::min(remaining, perPage), 0, records});
            remaining -= perPage;
        }
    }
    return layout;
}

std::string SolverFooter(SolverSetting setting) {
    switch (setting) {
    case SolverSetting::GuidedLocalSearch:
    case SolverSetting::GeneticAlgorithm:
    case SolverSetting::TabuSearch:
    case SolverSetting::GuidedLocalSearch2:
    case SolverSetting::Expert:
        return "Using local search";
    case SolverSetting::CompleteSearch:
        break;
    }
    return "Using complete search";
}

PageDrawing PageTexts(const PrintLayout& layout, int number, const PageMetrics& metrics,
                      const TextWidth& widthOf, const CSolutionArray& store, const std::string& title,
                      SolverSetting setting) {
    PageDrawing page;
    const int h = std::max(metrics.lineHeight, 1);
    const int g = std::max(metrics.gap, 0);
    page.texts.push_back({metrics.left, metrics.top, "Variable"});
    if (number >= 1 && number <= static_cast<int>(layout.pages.size())) {
        const CPrintControl& control = layout.pages[static_cast<std::size_t>(number - 1)];
        const int records = store.GetSize();
        const int perBlock = layout.columnsPerBlock;
        int solutions = 0;
        for (const auto& column : store)
            solutions = std::max(solutions, column->GetCount());
        int y = metrics.top;
        int start = control.firstSolution;
        int end = control.endSolution;
        int firstRow = control.firstRow;
        for (int b = 0; b < control.blocks; ++b) {
            end = std::min({end, solutions, static_cast<int>(layout.columnPositions.size())});
            for (int s = start; s < end; ++s)
                page.texts.push_back(
                    {layout.columnPositions[static_cast<std::size_t>(s)], y, SolutionLabel(s)});
            y += h;
            const int lastRow = std::min(control.lastRow, records - 1);
            for (int r = firstRow; r <= lastRow; ++r) {
                const CVarSolution& column = *store[r];
                page.texts.push_back({metrics.left, y, column.GetID()});
                for (int s = start; s < end && s < column.GetCount(); ++s)
                    page.texts.push_back({layout.columnPositions[static_cast<std::size_t>(s)], y,
                                          column.GetValues()[static_cast<std::size_t>(s)]});
                y += h;
            }
            start = end;
            end = start + perBlock;
            firstRow = 0;
            y += h;
        }
    }
    page.ruleY = metrics.bottom - 4 * h;
    const int footerY = page.ruleY + h;
    const std::string pageText = "Page:" + std::to_string(number) + " ";
    int x = metrics.left;
    page.texts.push_back({x, footerY, pageText});
    x += widthOf(pageText) + g;
    page.texts.push_back({x, footerY, title});
    x += widthOf(title) + g;
    page.texts.push_back({x, footerY, SolverFooter(setting)});
    return page;
}

} // namespace TavWorkbench
