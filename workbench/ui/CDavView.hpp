#pragma once
// The problem tree view: the document's problem as a tree (constants, domains, variables,
// constraints, optimisation) that follows the model's changes on its own, the right-click menu
// of actions per kind of object, and the
// solve control: the three solve commands, the time limit with its "Stop Solving?" question,
// the statistics refresh every 500 ms and the Expert engine slices, all on QTimer, with the
// run's events arriving on this thread through a RunEventPump.

#include "workbench/SolveEvents.hpp"
#include "workbench/ui/ActionProviders.hpp"
#include "workbench/ui/ProblemTreeModel.hpp"
#include "workbench/views/ActionsMenu.hpp"
#include "workbench/views/CommandTable.hpp"
#include "workbench/views/ProblemTree.hpp"

#include <QPersistentModelIndex>
#include <QTimer>
#include <QTreeView>

#include <functional>
#include <memory>

namespace TavWorkbench {
class CTavDoc;
}

namespace TavWorkbench::Ui {

class RunEventPump;

class CDavView : public QTreeView, public SolveEvents {
    Q_OBJECT
public:
    // The statistics refresh interval.
    static constexpr int kStatisticsInterval = 500; // milliseconds

    CDavView(CTavDoc& doc, ActionProviders& providers, QWidget* parent = nullptr);
    ~CDavView() override;

    // Rebuilds the tree from the document, its root showing `title`; forgets the right-click.
    // (The tree rebuilds itself, keeping its title, when the model is replaced as a whole.)
    void BuildTree(const std::string& title);
    void SetRootText(const std::string& title);
    ProblemTree& Tree() { return m_tree; }
    ProblemTreeModel& Model() { return *m_model; }

    // The item under the last right-click, null when none.
    ProblemTree::Item* ActionItem() const;
    // Right-click at `pos` (viewport coordinates): remembers the item and returns its menu
    // entries (empty when no item is there, and then no menu opens).
    std::vector<MenuEntry> ActionsAt(const QPoint& pos);

    // Carries out an element command through its provider (nothing when none serves it). The
    // root then shows the document's title, which a wizard or template may have set.
    void RunElementCommand(CommandId id);

    // Called by the frame: `setModified` marks the document changed; `context` gives the
    // state the command table reads; `status` sets a status pane's text.
    void SetFrameHooks(std::function<void()> setModified, std::function<CommandContext()> context,
                       std::function<void(int pane, const std::string&)> status);

    // --- Solve control ---
    void FirstSolution();
    void AllSolutions();
    void NumberOfSolutions();
    // Tools/Stop: the document's question; a time-out that falls due meanwhile waits for it.
    void StopSolving();
    // The time limit ran out (timer 1).
    void SolveTimedOut();
    // Starts the time limit and the statistics refresh again.
    void RestartTimers();
    bool IsTimeLimitRunning() const { return m_timeLimit.isActive(); }
    bool IsStatisticsTimerRunning() const { return m_statisticsTimer.isActive(); }
    bool IsEngineTimerRunning() const { return m_engineTimer.isActive(); }
    RunEventPump& Pump() { return *m_pump; }

    // The run's events (on this thread).
    void progress(int found) override;
    void finished(int found) override;
    void engineStarted(int position) override;
    void engineSolved(int position) override;

signals:
    // A solve started or ended, or the document changed: command states may differ.
    void StateChanged();
    // An element command ran: the problem may have changed.
    void ModelChanged();
    // An element command put a new problem in place of the document's (a wizard or template:
    // the model was replaced as a whole).
    void ProblemReplaced();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // After each rebuild: the root and its groups open.
    void ExpandGroups();
    void Solve(int count);
    void KillTimers();
    // The status bar's line on the run going on: its solver, solutions and time so far.
    void ShowRunStatus();

    CTavDoc& m_doc;
    ActionProviders& m_providers;
    ProblemTree m_tree;
    std::unique_ptr<ProblemTreeModel> m_model;
    std::unique_ptr<RunEventPump> m_pump;
    QPersistentModelIndex m_actionItem;
    QTimer m_timeLimit;
    QTimer m_statisticsTimer;
    QTimer m_engineTimer;
    bool m_asking = false;
    // An element command is running; the model was replaced as a whole meanwhile.
    bool m_inCommand = false;
    bool m_replaced = false;
    bool m_timeoutDue = false;
    // Solutions the run has reported so far.
    int m_found = 0;
    std::function<void()> m_setModified;
    std::function<CommandContext()> m_context;
    std::function<void(int, const std::string&)> m_status;
};

} // namespace TavWorkbench::Ui
