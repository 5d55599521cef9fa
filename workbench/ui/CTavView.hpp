#pragma once
// The results view: the solutions of the last solve either as a list of one solution at a
// time (stepped through with the navigation commands) or as a grid of all solutions, one row
// per variable and one column per solution, with a total row, copying of a block to the
// clipboard and printing in pages of column blocks. The view reads the document's solution
// store under its lock and keeps no copy of it beyond the grid's texts.

#include "workbench/ui/ResultsGridModel.hpp"
#include "workbench/views/TavViewModel.hpp"

#include <QFont>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QLabel;
class QPrinter;
class QStackedLayout;
class QTableView;

namespace TavWorkbench {
class CTavDoc;
}

namespace TavWorkbench::Ui {

class ActionProviders;

class CTavView : public QWidget {
    Q_OBJECT
public:
    CTavView(CTavDoc& doc, ActionProviders& providers, QWidget* parent = nullptr);
    ~CTavView() override;

    // The printed footer's title.
    void SetTitleSource(std::function<std::string()> title) { m_title = std::move(title); }

    TavViewModel& ViewModel() { return m_model; }
    QTableView* Table() const { return m_table; }
    QWidget* ListArea() const { return m_list; }
    bool IsGridMode() const { return m_model.IsGridMode(); }
    int CurrentSolution() const { return m_model.CurrentSolution(); }

    void ShowGrid();
    void ShowList();
    // A solve delivered `count` solutions so far (any note on earlier results goes).
    void RefreshResults(int count);
    // A line above the results about them (why they may be incomplete); empty hides it.
    void SetNote(const std::string& text);
    std::string Note() const;
    void GoFirstSolution();
    void GoLastSolution();
    void GoNextSolution();
    void GoPreviousSolution();
    // Tools/Add Total: the total row, the rows to sum asked from the provider.
    void AddTotal();
    // Edit/Copy: the selected block (or the whole body) to the clipboard; grid mode only.
    void Copy();
    // The grid's block from the table's selection (Copy does this itself).
    void TakeSelection();

    const QFont& PrinterFont() const { return m_printerFont; }
    void SetPrinterFont(const QFont& font) { m_printerFont = font; }
    void ChoosePrinterFont();
    // Prints the results on `printer` (the pages of its range, all when none is set); returns
    // the number of pages printed.
    int PrintTo(QPrinter& printer);
    // The number of pages the results take on `printer`.
    int PageCount(QPrinter& printer);
    void Print();
    void PrintPreview();

signals:
    void StateChanged();

private:
    CTavDoc& m_doc;
    ActionProviders& m_providers;
    TavViewModel m_model;
    std::unique_ptr<ResultsGridModel> m_gridModel;
    QLabel* m_note = nullptr;
    QStackedLayout* m_stack = nullptr;
    QTableView* m_table = nullptr;
    QWidget* m_list = nullptr;
    QFont m_printerFont;
    std::function<std::string()> m_title;
};

} // namespace TavWorkbench::Ui
