#pragma once
// One solve of the document from its start to its finished sequence: the search time limit
// with its "Stop Solving?" question, the statistics refresh, the Expert engines' turns, the
// Stop command's question and the run's events, on a clock it is given. The windows run it on
// Qt's timers, command-line programs on a WaitingClock; it shows what happens through the
// document (its messages and its views).
//
// A question is one the document asks through its messages; while one is open (a window's box
// runs an event loop of its own) the run's events wait, so that the run cannot end under the
// question, and a time limit that runs out meanwhile is asked about once the Stop question has
// been answered. The run's events reach it through DeliverEvents; an event that comes after
// its run's finished sequence is dropped. Everything happens on the clock's thread.

#include "workbench/CTavDoc.hpp"
#include "workbench/SolveClock.hpp"
#include "workbench/SolveEvents.hpp"
#include "workbench/SolveSettings.hpp"

#include <chrono>
#include <memory>

namespace TavWorkbench {

class SolveSession : public SolveEvents {
public:
    static constexpr std::chrono::milliseconds kStatisticsInterval{500};

    enum class Started {
        // The problem did not parse or no bridge took it (the document said why).
        No,
        Yes,
        // The time limit ran out while the problem was read and the solvers built: nothing of
        // the solve is left.
        TimedOutWhileBuilding,
    };

    // `doc` and `clock` must outlive the session.
    SolveSession(CTavDoc& doc, SolveClock& clock);
    // Ends a solve still going on; its late events are dropped.
    ~SolveSession() override;
    SolveSession(const SolveSession&) = delete;
    SolveSession& operator=(const SolveSession&) = delete;

    // How the time limit treats reading the problem and building the solvers.
    enum class Building {
        // The limit counts from the run's start (the windows).
        Uncounted,
        // It counts from the start of the solve, building included.
        Counted,
        // Counted, and building ends at the limit by the steady clock (Platform::Cancelled
        // inside the document, TimedOutWhileBuilding here).
        CutAtLimit,
    };

    // Starts a solve with `settings` (they become the document's).
    Started Start(const SolveSettings& settings, Building building = Building::Uncounted);
    // Tools/Stop: the document's question; on Yes the solve ends. Nothing while a question is
    // open or no solve goes on.
    void Stop();
    // The time limit ran out: the document's question, or, while the Stop question is open, the
    // question once that one is answered. On No the time limit starts again.
    void TimeLimitReached();
    // Stops the run without asking (an interrupt from outside; repeat it while the run lasts:
    // a stop that lands between two searches may be cleared as the next one starts). The time
    // limit and the engine's turn end here; the finished event then ends the solve as usual.
    void Interrupt();
    // Hands the run's pending events to the session (held while a question is open, and then
    // handed on once it is answered). Called on the clock's thread when the run has posted.
    void DeliverEvents();

    // Sees each event the session takes, before the session handles it: the finished event
    // while the solver and the raw problem still exist. May be null; must outlive the session
    // or be replaced first.
    void SetObserver(SolveEvents* observer) { m_observer = observer; }

    // From a successful Start until the run's finished sequence.
    bool IsActive() const { return m_active; }
    // The time limit ended the run (the question answered Yes, or it ran out while building).
    bool TimedOut() const { return m_timedOut; }
    bool IsTimeLimitRunning() const { return m_timeLimit->IsActive(); }
    bool IsStatisticsTimerRunning() const { return m_statistics->IsActive(); }
    bool IsEngineTimerRunning() const { return m_engineTimer->IsActive(); }

    // The run's events.
    void progress(int found) override;
    void finished(int found) override;
    void engineStarted(int position) override;
    void engineSolved(int position) override;

private:
    void StartTimers(std::chrono::milliseconds limit);
    void StopTimers();
    void StatisticsTick();
    // The question is answered: the events that waited are handed on.
    void Answered();

    CTavDoc& m_doc;
    SolveClock& m_clock;
    std::unique_ptr<SolveClock::Timer> m_timeLimit;
    std::unique_ptr<SolveClock::Timer> m_statistics;
    std::unique_ptr<SolveClock::Timer> m_engineTimer;
    SolveSettings m_settings;
    SolveEvents* m_observer = nullptr;
    bool m_active = false;
    bool m_asking = false;
    bool m_timeoutDue = false;
    bool m_timedOut = false;
    // Events were posted while a question was open, or while a delivery was handing them on.
    bool m_eventsWaiting = false;
    bool m_delivering = false;
    // Solutions the run has reported so far.
    int m_found = 0;
};

} // namespace TavWorkbench
