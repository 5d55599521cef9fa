#pragma once
// The grid of the linear programme's constraint and objective dialogs: a NumberGrid with one
// "Value" column, a row X[i] per variable, showing a CoefficientColumn and edited in place.
// Typing goes to the model's cells, a click moves the editor there, Up and Down move it a row,
// Enter moves it down and never closes the dialog, and so does Tab before the last row.

#include "workbench/dialogs/lp/CoefficientColumn.hpp"

#include <functional>

class QWidget;

namespace TavDialogs {

class NumberGrid;

class CoefficientGrid {
public:
    // A grid made in dialog over column, which must outlive it. Tab on the last row calls
    // tabOnLastRow when given (to leave the grid), else keeps the editor there.
    CoefficientGrid(QWidget* dialog, CoefficientColumn& column, std::function<void()> tabOnLastRow = {});
    CoefficientGrid(const CoefficientGrid&) = delete;
    CoefficientGrid& operator=(const CoefficientGrid&) = delete;

    NumberGrid* Grid() const { return m_grid; }
    // Shows the column's cells and opens the editor on its row.
    void Load();
    // Copies the grid's texts to the column's cells.
    void Save();

private:
    CoefficientColumn& m_column;
    NumberGrid* m_grid;
};

} // namespace TavDialogs
