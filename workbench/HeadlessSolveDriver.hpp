#pragma once
// Runs a document's solve to its end without windows, doing what the tree view does with the
// run's events and timers: progress shows the results, finished shows the statistics, marks
// the run finished and ends the solve; the search time limit asks the document's time-out
// question; each Expert engine gets the document's per-engine interval.
// For command-line programs and tests; everything happens on the calling thread.

#include "workbench/CTavDoc.hpp"
#include "workbench/SolveEvents.hpp"

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>

namespace TavWorkbench {

class HeadlessSolveDriver : public SolveEvents {
public:
    struct Outcome {
        // False when the solve did not start (the problem did not parse or no bridge took it).
        bool started = false;
        // The count of the finished event.
        int found = 0;
        // The time limit ran out and the document's question was answered Yes.
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

    explicit HeadlessSolveDriver(CTavDoc& doc) : m_doc(doc) {}

    // Where the time limit, the statistics interval and the engine slices read the time (empty:
    // the steady clock); a test moves its own clock to decide when a limit runs out. Called on
    // the driver's thread only.
    void SetClock(ClockFn now) { m_now = std::move(now); }
    // A request to stop set from elsewhere (a signal handler; may be null), looked at every
    // 50 ms: the run is then stopped as the Stop command stops it, without asking, and Run
    // returns once it has ended.
    void SetInterrupt(const std::atomic<bool>* interrupt) { m_interrupt = interrupt; }

    // Starts a solve for `count` solutions (-1: all) and handles its events until it finished.
    Outcome Run(int count);

    // The events so far, and whether the finished event arrived (for hosts that deliver the
    // events themselves and only use the handlers).
    const Outcome& GetOutcome() const { return m_outcome; }
    bool IsFinished() const { return m_finished; }

    void progress(int found) override;
    void finished(int found) override;
    void engineStarted(int position) override;
    void engineSolved(int position) override;

private:
    Clock::time_point Now() const { return m_now ? m_now() : Clock::now(); }

    CTavDoc& m_doc;
    ClockFn m_now;
    const std::atomic<bool>* m_interrupt = nullptr;
    Outcome m_outcome;
    bool m_finished = false;
    std::optional<Clock::time_point> m_engineDeadline;
};

} // namespace TavWorkbench
