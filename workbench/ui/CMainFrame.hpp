#pragma once
// The workbench's main window: a splitter with the problem tree on the left and the results on
// the right, the menus and the toolbar built from the command table, the status bar (message
// pane, a 150-pixel text pane, CAP, NUM, SCRL), the statistics window's placement, and the
// document's file commands. Every command goes through OnCommand; every command's state comes
// from the table's rule over CommandContext. The solve commands drive the frame's solve
// session (on Qt's timers), whose run events a RunEventPump brings to this thread.

#include "workbench/DocViews.hpp"
#include "workbench/views/CommandTable.hpp"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

class QLabel;
class QMenu;
class QSplitter;
class QToolBar;

namespace TavWorkbench {
class CTavDoc;
class SolveSession;
} // namespace TavWorkbench

namespace TavWorkbench::Ui {

class ActionProviders;
class CDavView;
class CTavView;
class ExternalSolvers;
class QtSolveClock;
class RecentFileList;
class RunEventPump;
class StatisticsWindow;
class UiPrompts;

class CMainFrame : public QMainWindow, public DocViews {
    Q_OBJECT
public:
    // The status bar's text pane.
    static constexpr int kTextPaneWidth = 150;
    static constexpr const char* kUntitled = "Untitled";
    // The message pane's text while nothing else is said.
    static constexpr const char* kReady = "Ready";
    // Asked at exit when the solver parameters differ from "Params.ini".
    static constexpr const char* kSaveParametersQuestion =
        "The solver parameters have changed since they were last saved.\nSave Parameters?";

    // `prompts` must be the document's messages too; `recent` may be null (no recent files);
    // `external` may be null (no result server in this build).
    CMainFrame(CTavDoc& doc, UiPrompts& prompts, ActionProviders& providers, RecentFileList* recent,
               ExternalSolvers* external, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CDavView& TreeView() { return *m_tree; }
    CTavView& ResultsView() { return *m_results; }
    SolveSession& Session() { return *m_session; }
    RunEventPump& Pump() { return *m_pump; }
    QToolBar* ToolBar() const { return m_toolBar; }

    // A new, empty document.
    bool NewDocument();
    // Opens a ".tav" file; a file that cannot be read is reported and changes nothing.
    bool OpenDocument(const std::filesystem::path& path);
    bool SaveDocument();
    bool SaveDocumentAs();
    // Asks to save a changed document; false when the user cancels.
    bool SaveModified();
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified = true) { m_modified = modified; }
    const std::string& Title() const { return m_title; }
    const std::filesystem::path& Path() const { return m_path; }

    // Carries out command `id` if its state allows it; false when it is disabled.
    bool OnCommand(CommandId id);
    // The state every rule reads.
    CommandContext Context() const;
    // The action of a command in the menus and toolbar (null for the tree's pop-up commands).
    QAction* Action(CommandId id) const;
    // Sets every action's enabled and checked state from the table.
    void UpdateCommandStates();

    // Status bar: pane 0 is the message pane (its text comes back after a tip covered it),
    // pane 1 the text pane.
    void SetStatusText(int pane, const std::string& text);
    std::string StatusText(int pane) const;
    // The statistics window shows `text` when it is open.
    void SetStatisticsText(const std::string& text);
    // View/Statistics: opens the window in the frame's bottom-right corner, or brings it up.
    void ShowStatisticsWindow();
    StatisticsWindow* OpenStatistics() const;

    // DocViews: what the document tells the windows.
    void ResultsChanged(int found) override;
    void StatisticsChanged(const std::string& text) override;
    void RunFinished() override;
    void RunGoingOn(int found) override;
    void SolveStateChanged() override;

signals:
    // The document's problem may have changed (new or opened document, an element command).
    void ProblemChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void RebuildRecentFiles();
    void SetDocumentName(const std::filesystem::path& path);
    void DocumentReplaced();
    // A wizard or template replaced the problem: its results go, and it has no file yet.
    void ProblemReplaced();
    // Asks to save a changed document before a command that replaces the problem; false when
    // the user cancels (the command then does not run).
    bool ReplacingCommandMayRun(CommandId id);
    void SearchTime();
    void SaveResults();
    // Solve for `count` solutions (-1: all).
    void Solve(int count);
    void NumberOfSolutions();

    CTavDoc& m_doc;
    std::unique_ptr<QtSolveClock> m_clock;
    std::unique_ptr<SolveSession> m_session;
    std::unique_ptr<RunEventPump> m_pump;
    UiPrompts& m_prompts;
    ActionProviders& m_providers;
    RecentFileList* m_recent;
    ExternalSolvers* m_external;

    QSplitter* m_splitter = nullptr;
    CDavView* m_tree = nullptr;
    CTavView* m_results = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_textPane = nullptr;
    // What the message pane shows when no tip covers it.
    QString m_restingMessage = QString::fromLatin1(kReady);
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    std::vector<QAction*> m_recentActions;
    std::map<CommandId, QAction*> m_actions;
    QTimer m_idleUpdate;

    QPointer<QWidget> m_statsWidget;
    StatisticsWindow* m_stats = nullptr;

    std::filesystem::path m_path;
    std::string m_title = kUntitled;
    bool m_modified = false;
};

} // namespace TavWorkbench::Ui
