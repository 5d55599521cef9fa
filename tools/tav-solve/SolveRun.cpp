#include "tools/tav-solve/SolveRun.hpp"

#include "platform/Cancelled.hpp"
#include "workbench/WaitingClock.hpp"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace TavLanguage;

namespace TavSolve {

namespace {

constexpr std::chrono::milliseconds kPollInterval(50);

// Sets the stop request at the deadline or at the interrupt, and from then on asks the attached
// solver to stop, until the run has ended. A stop request that lands between two Solve calls
// may be cleared when the next call starts, so it is repeated. Its thread serves the timers of
// a clock of its own while it waits to be dismissed.
class Watchdog {
public:
    Watchdog(double timeLimitSeconds, std::atomic<bool>& stop, const std::atomic<bool>* interrupt)
        : m_stop(stop), m_interrupt(interrupt) {
        // Capped so that the clock's count cannot overflow: a billion seconds is no limit at all.
        const double seconds = std::min(std::max(timeLimitSeconds, 0.0), 1e9);
        const auto deadline = std::chrono::steady_clock::now() +
                              std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                  std::chrono::duration<double>(seconds));
        m_thread = std::thread([this, deadline] { Watch(deadline); });
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;
    ~Watchdog() { Finish(); }

    bool Expired() const { return m_stop.load(); }
    bool TimedOut() const { return m_timedOut.load(); }
    bool Interrupted() const { return m_interrupted.load(); }
    void Attach(RawSolver* solver) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_solver = solver;
        if (m_stop) m_solver->Stop();
    }
    // Ends the watch; the solver is not touched afterwards.
    void Finish() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
            m_solver = nullptr;
        }
        m_wake.notify_all();
        if (m_thread.joinable()) m_thread.join();
    }

private:
    void Watch(std::chrono::steady_clock::time_point deadline) {
        TavWorkbench::WaitingClock clock;
        std::unique_lock<std::mutex> lock(m_mutex);
        std::unique_ptr<TavWorkbench::SolveClock::Timer> limit;
        std::unique_ptr<TavWorkbench::SolveClock::Timer> poll;
        const auto stopAgain = clock.MakeTimer([this] {
            if (m_solver != nullptr) m_solver->Stop();
        });
        const auto expire = [&](std::atomic<bool>& why) {
            why = true;
            limit->Stop();
            poll->Stop();
            m_stop = true;
            if (m_solver != nullptr) m_solver->Stop();
            stopAgain->Start(kPollInterval, true);
        };
        limit = clock.MakeTimer([&] { expire(m_timedOut); });
        // The interrupt flag is set where no thread can be woken (a signal handler): it is
        // looked at now and then every interval.
        poll = clock.MakeTimer([&] {
            if (m_interrupt->load()) expire(m_interrupted);
        });
        limit->Start(std::chrono::ceil<std::chrono::milliseconds>(deadline - clock.Now()), false);
        if (m_interrupt != nullptr) {
            if (clock.Now() < deadline && m_interrupt->load())
                expire(m_interrupted);
            else
                poll->Start(kPollInterval, true);
        }
        clock.Serve([this] { return m_done; },
                    [&](std::chrono::milliseconds timeout) {
                        m_wake.wait_for(lock, timeout, [this] { return m_done; });
                    });
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    RawSolver* m_solver = nullptr;
    std::atomic<bool>& m_stop;
    const std::atomic<bool>* m_interrupt;
    std::atomic<bool> m_timedOut{false};
    std::atomic<bool> m_interrupted{false};
    std::thread m_thread;
};

// Numbers the solutions and hands each on once: those the bridge reports during a Solve as it
// reports them, the others when Solve has returned.
class Announcer {
public:
    explicit Announcer(const SolutionSink& sink) : m_sink(sink) {}
    void Announce(const RawSolution& solution) { m_sink(solution, ++m_count); }
    // Hands on what the solver appended since `base` and nobody reported.
    void CatchUp(const RawSolver& solver, int base) {
        const RawSolutions& solutions = solver.GetSolutions();
        while (base + m_count < solutions.GetCount())
            Announce(solutions.GetSolution(base + m_count));
    }
    int Count() const { return m_count; }

private:
    const SolutionSink& m_sink;
    int m_count = 0;
};

RunResult Loop(RawSolver& solver, int wanted, const Watchdog& watchdog, Announcer& announcer, int base) {
    RunResult result;
    while (!watchdog.Expired() && (wanted < 0 || announcer.Count() < wanted)) {
        const bool found = solver.Solve();
        result.end = solver.GetEnd();
        announcer.CatchUp(solver, base);
        if (!found) break;
    }
    result.found = announcer.Count();
    return result;
}

void Ended(RunResult& result, Watchdog& watchdog, const std::atomic<bool>* interrupt) {
    watchdog.Finish();
    result.timedOut = watchdog.TimedOut();
    // An interrupt the watchdog had no time to see still ends the run as interrupted.
    result.interrupted = watchdog.Interrupted() || (interrupt != nullptr && interrupt->load());
}

} // namespace

RunResult RunSolver(RawSolver& solver, int wanted, double timeLimitSeconds, const SolutionSink& onSolution,
                    const std::atomic<bool>* interrupt) {
    std::atomic<bool> stop{false};
    Watchdog watchdog(timeLimitSeconds, stop, interrupt);
    watchdog.Attach(&solver);
    Announcer announcer(onSolution);
    RunResult result = Loop(solver, wanted, watchdog, announcer, solver.GetSolutions().GetCount());
    Ended(result, watchdog, interrupt);
    return result;
}

BuiltRun BuildAndRun(const SolverBuilder& build, int wanted, double timeLimitSeconds,
                     const SolutionSink& onSolution, const std::atomic<bool>* interrupt) {
    BuiltRun run;
    run.stop = std::make_unique<std::atomic<bool>>(false);
    Watchdog watchdog(timeLimitSeconds, *run.stop, interrupt);
    Announcer announcer(onSolution);
    TavBridges::BridgeContext context;
    context.stop = run.stop.get();
    context.onSolution = [&announcer](const RawSolution& solution) { announcer.Announce(solution); };
    try {
        run.solver = build(std::move(context));
    } catch (const Platform::Cancelled&) {
        Ended(run.result, watchdog, interrupt);
        return run;
    }
    watchdog.Attach(run.solver.get());
    run.result = Loop(*run.solver, wanted, watchdog, announcer, 0);
    Ended(run.result, watchdog, interrupt);
    return run;
}

bool IsOptimising(const RawCSP& problem) {
    return problem.GetObjective() || problem.GetRealObjective() || !problem.GetSoftConstraints().empty();
}

RunStatus StatusOf(SolveEnd end, int found, bool optimising, bool cutShort) {
    if (cutShort) return RunStatus::Unknown;
    switch (end) {
    case SolveEnd::Optimum:
        return RunStatus::Optimal;
    case SolveEnd::Exhausted:
        if (found == 0) return RunStatus::Unsatisfiable;
        return optimising ? RunStatus::Optimal : RunStatus::All;
    case SolveEnd::Unbounded:
        return RunStatus::Unbounded;
    case SolveEnd::Solution:
    case SolveEnd::GaveUp:
        return found > 0 ? RunStatus::Satisfied : RunStatus::Unknown;
    case SolveEnd::None:
    case SolveEnd::Stopped:
    case SolveEnd::Thrashing:
        break;
    }
    return RunStatus::Unknown;
}

std::string StatusLine(RunStatus status) {
    switch (status) {
    case RunStatus::Optimal:
        return "status: optimal";
    case RunStatus::All:
        return "status: all";
    case RunStatus::Satisfied:
        return "status: satisfied";
    case RunStatus::Unsatisfiable:
        return "status: unsatisfiable";
    case RunStatus::Unbounded:
        return "status: unbounded";
    case RunStatus::Unknown:
        break;
    }
    return "status: unknown";
}

} // namespace TavSolve
