#pragma once
// One solve on its own thread: a single solver bridge, or a sequence of engines (Expert mode)
// where an engine that finds no further solution hands over to the next. The thread records
// each solution into the solution store under the document's solve lock, tells an optional
// listener, and posts its events to the run's mailbox; it touches nothing else of the document.

#include "language/raw/RawSolver.hpp"
#include "workbench/RunMailbox.hpp"
#include "workbench/model/CSolutionArray.hpp"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace TavWorkbench {

// Called on the run thread with each recorded solution and its number, while the solution
// store is locked.
using SolutionListener = std::function<void(const TavLanguage::RawSolution& solution, int number)>;

class SolverRun {
public:
    // One engine.
    SolverRun(std::shared_ptr<RunMailbox> mailbox, std::mutex& solveLock, TavLanguage::RawSolver* solver,
              int requested, CSolutionArray* solutions, SolutionListener listener);
    // A sequence of engines in run order (not owned).
    SolverRun(std::shared_ptr<RunMailbox> mailbox, std::mutex& solveLock,
              std::vector<TavLanguage::RawSolver*> engines, int requested, CSolutionArray* solutions,
              SolutionListener listener);
    // Joins the thread if it still runs (ask it to stop first).
    ~SolverRun();
    SolverRun(const SolverRun&) = delete;
    SolverRun& operator=(const SolverRun&) = delete;

    // Starts the thread on the loop of the run's kind, one step below normal priority.
    void Start();
    // Sets the stop flag; the loop ends before its next search.
    void RequestStop() { m_stop.store(true); }
    bool IsStopRequested() const { return m_stop.load(); }
    // Marks that the current engine's time slice is over.
    void MarkEngineTimeout() { m_engineTimeout.store(true); }
    bool IsEngineTimeoutMarked() const { return m_engineTimeout.load(); }
    // True once the loop has ended.
    bool HasEnded();
    // Waits up to `timeout` for the loop to end; true when it has ended.
    bool WaitEnded(std::chrono::milliseconds timeout);
    // Waits for the thread to end (callable more than once).
    void Join();

    // The engines of a sequence (the one solver of a single run).
    const std::vector<TavLanguage::RawSolver*>& GetEngines() const { return m_engines; }
    // The solver searching now (or last).
    TavLanguage::RawSolver* GetCurrentSolver() const { return m_current.load(); }
    // Held by the run thread while a search runs: a reader of the solver's statistics takes it
    // with try_lock so that it never reads a search in progress.
    std::mutex& SearchLock() { return m_searchLock; }
    // What the search threw, empty when nothing; read after the thread ended.
    const std::string& GetError() const { return m_error; }

    // The loops; each returns 0.
    static int SolveSingleThreadProc(SolverRun* run);
    static int SolveSequenceThreadProc(SolverRun* run);
    // Records solution number `k` of `solver` (its last found) into the solution store.
    void RecordSolution(int k, TavLanguage::RawSolver& solver);

private:
    bool Search(TavLanguage::RawSolver& solver);
    void Ended();

    std::shared_ptr<RunMailbox> m_mailbox;
    std::mutex& m_solveLock;
    std::atomic<TavLanguage::RawSolver*> m_current;
    int m_requested;
    CSolutionArray* m_solutions;
    std::vector<TavLanguage::RawSolver*> m_engines;
    bool m_sequence;
    SolutionListener m_listener;
    std::atomic<bool> m_engineTimeout{false};
    std::atomic<bool> m_stop{false};
    std::mutex m_searchLock;

    std::mutex m_endMutex;
    std::condition_variable m_endSignal;
    bool m_ended = false;
    std::string m_error;
    std::thread m_thread;
};

} // namespace TavWorkbench
