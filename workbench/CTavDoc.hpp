#pragma once
// The workbench's document: the problem model (domains, variables, constraints, constants,
// optimisation target), the solver settings (solver choice, ten parameter blocks, search time
// limit, requested count), the Expert table and order, and everything one solve needs (raw
// problem, solver bridges, run thread, solution store, statistics).
//
// Construction reads "Params.ini" and "expert.dat" from the settings folder (the working
// directory unless told otherwise) and destruction writes "expert.dat" back. All operations
// belong to one thread (the user-interface thread), except where a comment says otherwise; the
// run thread only fills the solution store under its lock and posts events.

#include "workbench/DocMessages.hpp"
#include "workbench/DocViews.hpp"
#include "workbench/ExpertEntry.hpp"
#include "workbench/RunReport.hpp"
#include "workbench/SettingsFiles.hpp"
#include "workbench/SolveEvents.hpp"
#include "workbench/SolveSettings.hpp"
#include "workbench/model/CAvConArray.hpp"
#include "workbench/model/CKeyWords.hpp"
#include "workbench/model/CSolutionArray.hpp"
#include "workbench/model/GridMap.hpp"
#include "workbench/model/TavModel.hpp"

#include "bridges/BridgeContext.hpp"
#include "language/raw/RawCSP.hpp"
#include "language/raw/RawSolver.hpp"
#include "platform/Diagnostics.hpp"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace TavWorkbench {

class RunMailbox;
class SolverRun;

// Called on the run thread with each recorded solution and its number (store locked).
using SolutionListenerFn = std::function<void(const TavLanguage::RawSolution& solution, int number)>;

class CTavDoc {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeLimit = SolveSettings::kDefaultTimeLimit;

    // When the settings files are written: as the workbench writes them ("Params.ini" at once
    // when it is missing, "expert.dat" when the document goes), or only when asked
    // (SaveParameters, SaveExpertFile), for a program that must leave the working directory as
    // it found it.
    enum class SettingsWrites { AsTheWorkbench, OnRequest };

    // Reads the settings files from `settingsFolder` (defaults where they are missing or
    // damaged; a missing "Params.ini" is written at once as the workbench writes it).
    // `messages` answers boxes and questions (null: DefaultDocMessages); it must outlive the
    // document.
    explicit CTavDoc(DocMessages* messages = nullptr, std::filesystem::path settingsFolder = ".",
                     SettingsWrites writes = SettingsWrites::AsTheWorkbench);
    // Ends any solve, then writes "expert.dat" as the workbench writes it (a failure is shown as
    // "Unable to open file\n").
    ~CTavDoc();
    CTavDoc(const CTavDoc&) = delete;
    CTavDoc& operator=(const CTavDoc&) = delete;

    // --- Lifecycle -------------------------------------------------------------------------
    // Empties the document, then adds the predefined domains "TrueFalse" (Boolean) and
    // "RealDomain" (float, 0 to the largest float) and resets count, setting and time limit.
    bool OnNewDocument();
    // Ends any solve, clears the solutions and deletes every model element.
    void DeleteContents();
    // Reads a ".tav" file into a fresh model and, only when it is read whole, replaces the
    // document's model with it. Throws TavFileError (the document unchanged).
    void OnOpenDocument(const std::filesystem::path& path);
    // Writes the model as a ".tav" file (a new file renamed over the old one). Throws
    // TavFileError when it cannot be written (the old file unchanged).
    void OnSaveDocument(const std::filesystem::path& path) const;
    // Writes "Params.ini"; a failure is shown ("Unable to write Params.ini") and returns false.
    bool SaveParameters();
    // Writes "expert.dat" (a failure is shown as "Unable to open file\n").
    void SaveExpertFile();

    // --- The model --------------------------------------------------------------------------
    TavModel& GetModel() { return m_model; }
    const TavModel& GetModel() const { return m_model; }
    CDomainArray& GetDomains() { return m_model.domains; }
    CVarArray& GetVariables() { return m_model.variables; }
    CConArray& GetConstraints() { return m_model.constraints; }
    CConstArray& GetConstants() { return m_model.constants; }
    // Element 0 is the optimisation target; empty for none.
    OptimisationList& GetOptimisation() { return m_model.optimisation; }
    const CDomainArray& GetDomains() const { return m_model.domains; }
    const CVarArray& GetVariables() const { return m_model.variables; }
    const CConArray& GetConstraints() const { return m_model.constraints; }
    const CConstArray& GetConstants() const { return m_model.constants; }
    const OptimisationList& GetOptimisation() const { return m_model.optimisation; }
    const CAvConArray& GetAvailableConstraints() const { return m_available; }
    const CKeyWords& GetKeyWords() const { return m_keyWords; }
    // The city distances and staff demands the problem templates read (not stored in files).
    GridMap& GetDistances() { return m_distances; }
    const GridMap& GetDistances() const { return m_distances; }
    // The title shown at the tree's root and in printed listings; the templates and wizards set it.
    const std::string& GetTitle() const { return m_title; }
    void SetTitle(const std::string& title) { m_title = title; }

    // --- Settings ---------------------------------------------------------------------------
    SolverSetting GetSolverSetting() const { return m_solverSetting; }
    void SetSolverSetting(SolverSetting setting) { m_solverSetting = setting; }
    std::chrono::milliseconds GetSearchTimeLimit() const { return m_timeLimit; }
    void SetSearchTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit; }
    int GetRequestedCount() const { return m_requested; }
    void SetRequestedCount(int count) { m_requested = count; }
    // The settings a solve for `count` solutions (-1: all) starts with.
    SolveSettings GetSolveSettings(int count) const;
    // Takes the solver setting, the time limit and the Expert interval of `settings` (the
    // requested count is the next solve's own).
    void SetSolveSettings(const SolveSettings& settings);
    // Parameter block 0..9; throws Platform::InternalError for another index.
    TavBridges::AlgParams& GetParameterBlock(int index);
    // True when "Params.ini" could not be read at construction.
    bool AreParametersDefaulted() const { return m_paramsDefaulted; }
    // True when a parameter block differs from what was read or last saved ("Params.ini" is
    // written only by SaveParameters).
    bool AreParametersChanged() const { return m_params != m_savedParams; }
    // True when "expert.dat" was missing or damaged at construction.
    bool IsExpertDefaulted() const { return m_expertDefaulted; }

    // --- Expert mode ------------------------------------------------------------------------
    // Seconds each engine of an Expert solve may search before the next one takes over.
    int GetEngineInterval() const { return m_engineInterval; }
    void SetEngineInterval(int seconds) { m_engineInterval = seconds; }
    const std::vector<ExpertEntry>& GetExpertTable() const { return m_expert; }
    // Sets runs and successes of every row to 1 (the Expert dialog's "Clear Stats").
    void ResetExpertRecords();
    // The Expert run order: row indices, complete search (row 0) first.
    const std::vector<int>& GetEngineOrder() const { return m_engineOrder; }
    // Orders rows 1 to 3 after row 0 at random, weighted by each row's successes per run.
    void RankEngines();
    // Restarts the ranking's own random sequence (tests).
    void SeedRanking(std::uint32_t seed) { m_rankRandom.seed(seed); }
    // Deletes the engine of every Expert row; nothing while a run exists (EndSolve does it).
    void ReleaseEngines();
    // The engine kind of the last single-engine solve (0 in Expert mode).
    int GetEngineKind() const { return m_engineKind; }
    bool IsExpertMode() const { return m_expertMode; }

    // --- Results ----------------------------------------------------------------------------
    // The solution store; hold LockSolutions() while reading it during a solve.
    const CSolutionArray& GetSolutions() const { return m_solutions; }
    // The store for a writer other than the run thread (external solutions); hold
    // LockSolutions() while writing.
    CSolutionArray& GetSolutionsForWriting() { return m_solutions; }
    [[nodiscard]] std::unique_lock<std::mutex> LockSolutions() const { return std::unique_lock(m_solveLock); }
    // The last statistics report, line breaks "\r\n".
    const std::string& GetStatisticsText() const { return m_statistics; }

    // The windows that show the document (null: none).
    void SetViews(DocViews* views) { m_views = views != nullptr ? views : &m_noViews; }
    DocViews& Views() { return *m_views; }
    DocMessages& Messages() { return *m_messages; }

    // --- Problem text and solve road ---------------------------------------------------------
    // The whole problem as modelling-language text.
    std::string GetProblemText() const;
    // Stores `count` as the requested count, writes the problem text and parses it (in memory)
    // into the document's raw problem. On failure shows "Parser Failed" and keeps no raw problem.
    // Throws Platform::Cancelled, keeping no raw problem, once `stop` (may be null) is set.
    bool WriteProblemText(int count, const std::atomic<bool>* stop = nullptr);
    // The parser's message of the last failed parse (empty after a successful one).
    const std::string& GetLastParseError() const { return m_lastParseError; }
    // Ends a solve still held, parses the problem and starts a run thread on the bridge of the
    // solver setting (linear programming whenever the problem has a real variable; the Expert
    // setting runs the Expert sequence). `events` receives the run's events (null: they are dropped).
    // False when nothing started: the problem did not parse or no bridge could take it (its
    // reason shown). With a deadline, reading the problem and building the bridges end there:
    // nothing is left of the solve and Platform::Cancelled is thrown.
    bool StartSolve(SolveEvents* events, int count,
                    std::optional<std::chrono::steady_clock::time_point> deadline = std::nullopt);
    // Stops the run (every engine of an Expert sequence), waits for its thread, deletes the run,
    // the solvers and the raw problem, and keeps the Expert statistics of a single-engine run
    // (a run with `solved` counts as a success). Nothing when no solve exists.
    void EndSolve(bool solved);
    // Tools/Stop: asks "Stop Solving?"; on Yes stops and ends the solve. Nothing without a run.
    void OnStopSolving();
    // The time limit ran out: asks "Stop Solving?". On Yes ends the solve and shows "Timed out -
    // increase search time if desired" and returns true; on No returns false (the caller starts
    // its time limit again). Nothing (true) without a run.
    bool OnSolveTimeout();
    // "No Solution found" when `found` is 0; then the results views refresh.
    void ShowResults(int ignored, int found);
    // The current solver's statistics become the statistics text and are shown. Nothing without
    // a solver, and nothing while its search runs (its counters are the run thread's).
    void ShowStatistics();
    // The run's finished event reached the windows.
    void RunFinished();
    // Expert run: the current engine's time slice is over; it is asked to stop and the run
    // moves on to the next engine. Nothing without a current engine or run.
    void SkipEngine();
    // Expert run: the engine at `position` of the run's own sequence starts (it becomes the
    // current solver; its row's runs grow by one).
    void EngineStarted(int position);
    // Expert run: the engine at `position` of the run's own sequence found a solution (its row's
    // successes grow by one, the order is ranked again).
    void EngineSolved(int position);
    // Writes the problem description text for external solvers: parses the problem into a
    // raw problem of its own (a running solve keeps its own) and shows nothing. False (with the
    // reason in `why` when given) when there is no constraint and no target, the problem does
    // not parse or cannot be described.
    bool RenderDescription(std::ostream& out, std::string* why = nullptr) const;
    // The same for a problem text taken earlier; callable on any thread.
    static bool RenderDescriptionText(const std::string& problemText, std::ostream& out,
                                      std::string* why = nullptr);

    // Sets the run's stop flag (the run ends before its next search); nothing without a run.
    void RequestRunStop();

    // True from StartSolve until EndSolve.
    bool IsSolving() const { return m_run != nullptr; }
    // The last run started: its solver, and once it has ended, why, its solutions and duration.
    const RunReport& GetRunReport() const { return m_report; }
    // Time since the run started while it goes on; its whole duration once it has ended.
    std::chrono::steady_clock::duration GetRunElapsed() const;
    // The current solver (the running engine in Expert mode), null when none.
    TavLanguage::RawSolver* GetSolver() const { return m_solver; }
    // The raw problem of the current solve, null when none.
    const TavLanguage::RawCSP* GetRawProblem() const { return m_raw.get(); }
    SolverRun* GetRun() const { return m_run.get(); }

    // Builds a solver bridge on `problem`: kind 0 complete search, 1 to 4 the local-search
    // engines (guided local search, genetic algorithm, tabu search, guided local search 2),
    // kLinearProgramming for a problem with real variables (`params` null).
    using BridgeFactory = std::function<std::unique_ptr<TavLanguage::RawSolver>(
        TavLanguage::RawCSP* problem, const TavBridges::AlgParams* params, int kind)>;
    static constexpr int kLinearProgramming = -1;
    // The real bridges; their notices go to `diagnostics` (the process-wide sink when empty).
    static std::unique_ptr<TavLanguage::RawSolver> MakeBridge(TavLanguage::RawCSP* problem,
                                                              const TavBridges::AlgParams* params, int kind,
                                                              const Platform::Diagnostics& diagnostics = {});
    // The same with the whole context the bridges are given (where they report the solutions
    // they find during a search, for example).
    static std::unique_ptr<TavLanguage::RawSolver> MakeBridge(TavLanguage::RawCSP* problem,
                                                              const TavBridges::AlgParams* params, int kind,
                                                              TavBridges::BridgeContext context);
    // The stop request of StartSolve's building (set at its deadline): a bridge factory puts it in
    // the context of the bridges it makes, so that the time limit covers their building too.
    const std::atomic<bool>* GetBuildStopRequest() const { return &m_buildStop; }
    // Where the bridges' notices go (called on the thread that runs the bridge, the run thread
    // during a solve); empty: the process-wide message sink.
    void SetDiagnostics(Platform::Diagnostics diagnostics) { m_diagnostics = std::move(diagnostics); }
    // Replaces the bridges a solve builds (empty: the real ones); for tests and tools.
    void SetBridgeFactory(BridgeFactory factory) { m_bridgeFactory = std::move(factory); }

    // --- Run events -----------------------------------------------------------------------
    // Called on the run thread after each event it posts (may be empty); the host schedules
    // DeliverEvents on its own thread. Takes effect from the next StartSolve.
    void SetEventWaker(std::function<void()> waker) { m_waker = std::move(waker); }
    // Called on the run thread with each recorded solution (see SolverRun).
    void SetSolutionListener(SolutionListenerFn listener) { m_listener = std::move(listener); }
    // Delivers the pending events of the current run (and the last progress and the finished
    // event of a run that ended before they were delivered) to the run's receiver, on this
    // thread. Returns how many were delivered.
    int DeliverEvents();
    // Waits up to `timeout` for an event, then delivers what is pending.
    int WaitForEvents(std::chrono::milliseconds timeout);
    // Waits up to `timeout` for an event to be posted, delivering nothing (at once when an ended
    // run's events wait).
    void WaitForPosted(std::chrono::milliseconds timeout);

private:
    struct EndedRun {
        std::shared_ptr<RunMailbox> mailbox;
        SolveEvents* events = nullptr;
    };

    void LoadSettings();
    bool BuildSolvers();
    // StartSolve's two halves: the problem parsed and its solvers built (false, nothing kept,
    // when it does not parse or no bridge takes it; Platform::Cancelled at the build's stop),
    // then the run thread started on them.
    bool ReadAndBuild(SolveEvents* events, int count);
    void StartRun(SolveEvents* events, int count);
    void StopAndWait();
    int DeliverEnded();
    ExpertEntry* ExpertRowAt(int position);
    // The solver of the run about to start, in plain words.
    std::string RunSolverName() const;
    // The run has ended for `why` (nothing when its end is already known).
    void NoteRunEnd(RunEnd why);
    // The finished event reached the windows: the results hold what the run leaves.
    void NoteRunFinished();
    // True when the thrashing check ended the current single-engine run before it had every
    // solution it was asked for.
    bool StoppedByThrashing() const;

    std::filesystem::path m_settingsFolder;
    SettingsWrites m_settingsWrites;
    DefaultDocMessages m_defaultMessages;
    DocMessages* m_messages;
    DocViews m_noViews;
    DocViews* m_views = &m_noViews;

    TavModel m_model;
    CAvConArray m_available;
    CKeyWords m_keyWords;
    GridMap m_distances;
    std::string m_title;
    CSolutionArray m_solutions;
    mutable std::mutex m_solveLock;
    std::string m_statistics;

    ParamBlocks m_params;
    ParamBlocks m_savedParams;
    bool m_paramsDefaulted = false;
    bool m_expertDefaulted = false;
    int m_engineInterval = 20;
    std::vector<ExpertEntry> m_expert;
    std::vector<int> m_engineOrder;
    std::mt19937 m_rankRandom;
    bool m_expertMode = false;
    int m_engineKind = 0;

    int m_requested = 1;
    std::chrono::milliseconds m_timeLimit = kDefaultTimeLimit;
    SolverSetting m_solverSetting = SolverSetting::CompleteSearch;

    // The solve; the raw problem outlives every bridge built on it.
    std::unique_ptr<TavLanguage::RawCSP> m_raw;
    std::unique_ptr<TavLanguage::RawSolver> m_ownedSolver;
    TavLanguage::RawSolver* m_solver = nullptr;
    std::unique_ptr<SolverRun> m_run;
    // The Expert rows of the run in run order, fixed for the run.
    std::vector<int> m_runRows;
    std::shared_ptr<RunMailbox> m_mailbox;
    SolveEvents* m_events = nullptr;
    EndedRun m_ended;
    std::function<void()> m_waker;
    SolutionListenerFn m_listener;
    BridgeFactory m_bridgeFactory;
    Platform::Diagnostics m_diagnostics;
    // Set when the deadline of StartSolve's reading and building passes; false at every other
    // time, so that the bridges, which keep reading it, search on.
    std::atomic<bool> m_buildStop{false};
    std::string m_lastParseError;
    RunReport m_report;
    std::chrono::steady_clock::time_point m_runStart{};
};

} // namespace TavWorkbench
