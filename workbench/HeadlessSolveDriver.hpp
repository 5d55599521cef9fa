#pragma once
// Runs a document's solve to its end without windows: a solve session on a WaitingClock whose
// timers this thread serves while it waits for the run's events. The session does what the
// windows' session does (the time limit's question, the statistics, each Expert engine's turn,
// the finished sequence); the driver counts the events it saw.
// The time limit runs from the start of the solve, so that reading the problem and building
// the solvers count too; when it runs out before they are built, the solve ends there, timed
// out with no solution. (With a clock of its own, a test decides when the search's limit runs
// out, and the building is never cut short.)
// For command-line programs and tests; everything happens on the calling thread.

#include "workbench/CTavDoc.hpp"
#include "workbench/SolveEvents.hpp"
#include "workbench/SolveSession.hpp"
#include "workbench/SolveSettings.hpp"
#include "workbench/WaitingClock.hpp"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

namespace TavWorkbench {

class HeadlessSolveDriver : public SolveEvents {
public:
    struct Outcome {
        // False when the solve did not start (the problem did not parse or no bridge took it).
        bool started = false;
        // The count of the finished event.
        int found = 0;
        // The time limit ran out while the solvers were built, or during the search and the
        // document's question was answered Yes.
        bool timedOut = false;
        int progressEvents = 0;
        int finishedEvents = 0;
        int enginesStarted = 0;
        int enginesSolved = 0;
        // The interrupt request stopped the run.
        bool interrupted = false;
    };

    using Clock = std::chrono::steady_clock;
    using ClockFn = std::function<Clock::time_point()>;

    static constexpr std::chrono::milliseconds kInterruptPoll{50};

    explicit HeadlessSolveDriver(CTavDoc& doc);
    ~HeadlessSolveDriver() override;
    HeadlessSolveDriver(const HeadlessSolveDriver&) = delete;
    HeadlessSolveDriver& operator=(const HeadlessSolveDriver&) = delete;

    // Where the time limit, the statistics interval and the engine turns read the time (empty:
    // the steady clock); a test moves its own clock to decide when a limit runs out. Called on
    // the driver's thread only.
    void SetClock(ClockFn now) { m_now = std::move(now); }
    // A request to stop set from elsewhere (a signal handler; may be null), looked at every
    // kInterruptPoll: the run is then stopped as the Stop command stops it, without asking, and
    // Run returns once it has ended.
    void SetInterrupt(const std::atomic<bool>* interrupt) { m_interrupt = interrupt; }

    // Starts a solve with `settings` and serves it until it finished.
    Outcome Run(const SolveSettings& settings);
    // The same with the document's settings, for `count` solutions (-1: all).
    Outcome Run(int count) { return Run(m_doc.GetSolveSettings(count)); }
    // Starts a solve for `count` solutions and returns at once (true when a run goes on); the
    // host then delivers the run's events itself (CTavDoc::WaitForEvents).
    bool Start(int count);

    // The events so far, and whether the finished event arrived.
    const Outcome& GetOutcome() const { return m_outcome; }
    bool IsFinished() const { return m_finished; }

    // The session's events, counted (finished comes before the solve ends).
    void progress(int found) override;
    void finished(int found) override;
    void engineStarted(int position) override;
    void engineSolved(int position) override;

private:
    bool StartSession(const SolveSettings& settings);
    void PollInterrupt();

    CTavDoc& m_doc;
    ClockFn m_now;
    const std::atomic<bool>* m_interrupt = nullptr;
    WaitingClock m_clock;
    std::unique_ptr<SolveSession> m_session;
    std::unique_ptr<SolveClock::Timer> m_interruptPoll;
    Outcome m_outcome;
    bool m_finished = false;
};

} // namespace TavWorkbench
