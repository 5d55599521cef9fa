#pragma once
// The seam through which the element dialogs, the wizards and the templates plug into the
// workbench's windows. The tree view, the frame and the document's commands call one
// ElementActions per command: the add, edit, clone and delete actions on each kind of object,
// Delete Unused Domains, Remove Optimisation, the Options dialogs, the wizards and templates,
// and the small dialogs the windows need an answer from (solution count, search time, total
// rows, external solver choice, statistics window).
//
// A command that no registered provider serves stays in its menu, greyed (the command table
// says "Not available in this build"). A provider registers in workbench/app/Providers.cpp.

#include "workbench/views/CommandTable.hpp"
#include "workbench/views/ProblemTree.hpp"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QWidget;

namespace TavWorkbench {
class CTavDoc;
}

namespace TavWorkbench::Ui {

class StatisticsWindow;

// Where a command runs: the document, the item the user right-clicked, the window that owns
// the dialogs, the document's modified mark and the problem's title. A command only changes the
// document's model: the tree follows the model on its own.
struct ActionContext {
    CTavDoc& doc;
    // The item under the last right-click; null when the command came from a menu or toolbar
    // and no item was right-clicked since the tree was last built. Per-object actions act on
    // this item (its kind and index) and do nothing when it is null or of another kind.
    const ProblemTree::Item* actionItem = nullptr;
    QWidget* parent = nullptr;
    // Marks the document changed (the frame asks to save it before it is closed).
    std::function<void()> setModified;
    // The title the tree's root shows (printed listings head with it when the document has none).
    std::string title;
};

class ElementActions {
public:
    virtual ~ElementActions() = default;

    // Whether this provider serves `id`. For the Ask/Open operations below the command is the
    // one that uses them: NumberOfSolutions, SearchTime, AddTotal, ExternalSolver (and
    // ViewExternalResults), ViewStatistics.
    virtual bool Provides(CommandId id) const = 0;

    // Carries out command `id`: AddVariable, AddDomain, AddIntegerConstant, AddSetListConstant,
    // AddConstraint, AddOptimisation, RemoveOptimisation, DeleteUnusedDomains, the per-object
    // actions (CloneVariable ... DeleteConstant), SetParameters (with the Expert dialog for
    // setting 10), ProblemWizard, UseTemplate and the three LP wizards.
    virtual void Run(CommandId id, ActionContext& context) {
        (void)id;
        (void)context;
    }

    // The solution-count dialog: the count on OK, nothing on Cancel.
    virtual std::optional<int> AskSolutionCount(QWidget* parent) {
        (void)parent;
        return std::nullopt;
    }
    // The search-time dialog showing `minutes`: the new minutes on OK, nothing on Cancel.
    virtual std::optional<int> AskSearchMinutes(QWidget* parent, int minutes) {
        (void)parent;
        (void)minutes;
        return std::nullopt;
    }
    // The rows to total, each within lower..upper: (from, to) on OK, nothing on Cancel.
    virtual std::optional<std::pair<int, int>> AskTotalRows(QWidget* parent, int lower, int upper) {
        (void)parent;
        (void)lower;
        (void)upper;
        return std::nullopt;
    }
    // The external solvers list showing `programs` (solver name, user number): the user number
    // chosen, nothing when none was.
    virtual std::optional<int>
    ChooseExternalSolver(QWidget* parent, const std::vector<std::pair<std::string, int>>& programs) {
        (void)parent;
        (void)programs;
        return std::nullopt;
    }
    // A new modeless statistics window owned by `parent`, not yet shown; it deletes itself when
    // the user closes it. Null when this provider has none.
    virtual StatisticsWindow* OpenStatisticsWindow(QWidget* parent) {
        (void)parent;
        return nullptr;
    }
};

} // namespace TavWorkbench::Ui
