#include "tools/tav-solve/SolveRun.hpp"

#include "platform/Cancelled.hpp"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace TavLanguage;

namespace TavSolve {

namespace {

// Sets the stop request at the deadline and from then on asks the attached solver to stop,
// until the run has ended. A stop request that lands between two Solve calls may be cleared
// when the next call starts, so it is repeated.
class Watchdog {
public:
    Watchdog(double timeLimitSeconds, std::atomic<bool>& stop) : m_stop(stop) {
        // Capped so that the clock's count cannot overflow: a billion seconds is no limit at all.
        const double seconds = std::min(std::max(timeLimitSeconds, 0.0), 1e9);
        const auto deadline = std::chrono::steady_clock::now() +
                              std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                  std::chrono::duration<double>(seconds));
        m_thread = std::thread([this, deadline] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (m_wake.wait_until(lock, deadline, [this] { return m_done; })) return;
            m_stop = true;
            do {
                if (m_solver != nullptr) m_solver->Stop();
            } while (!m_wake.wait_for(lock, std::chrono::milliseconds(50), [this] { return m_done; }));
        });
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;
    ~Watchdog() { Finish(); }

    bool Expired() const { return m_stop.load(); }
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
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    RawSolver* m_solver = nullptr;
    std::atomic<bool>& m_stop;
    std::thread m_thread;
};

RunResult Loop(RawSolver& solver, int wanted, const Watchdog& watchdog, const SolutionSink& onSolution) {
    RunResult result;
    while (!watchdog.Expired() && (wanted < 0 || result.found < wanted)) {
        if (!solver.Solve()) break;
        ++result.found;
        onSolution(solver.GetSolutions().Last(), result.found);
    }
    return result;
}

} // namespace

RunResult RunSolver(RawSolver& solver, int wanted, double timeLimitSeconds, const SolutionSink& onSolution) {
    std::atomic<bool> stop{false};
    Watchdog watchdog(timeLimitSeconds, stop);
    watchdog.Attach(&solver);
    RunResult result = Loop(solver, wanted, watchdog, onSolution);
    watchdog.Finish();
    result.timedOut = watchdog.Expired();
    return result;
}

BuiltRun BuildAndRun(const SolverBuilder& build, int wanted, double timeLimitSeconds,
                     const SolutionSink& onSolution) {
    BuiltRun run;
    run.stop = std::make_unique<std::atomic<bool>>(false);
    Watchdog watchdog(timeLimitSeconds, *run.stop);
    try {
        run.solver = build(*run.stop);
    } catch (const Platform::Cancelled&) {
        watchdog.Finish();
        run.result.timedOut = true;
        return run;
    }
    watchdog.Attach(run.solver.get());
    run.result = Loop(*run.solver, wanted, watchdog, onSolution);
    watchdog.Finish();
    run.result.timedOut = watchdog.Expired();
    return run;
}

} // namespace TavSolve
