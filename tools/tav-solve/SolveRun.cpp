#include "tools/tav-solve/SolveRun.hpp"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace TavSolve {

RunResult RunSolver(RawSolver& solver, int wanted, double timeLimitSeconds,
                    const std::function<void(const RawSolution&, int)>& onSolution) {
    RunResult result;
    std::atomic<bool> timedOut{false};
    std::mutex mutex;
    std::condition_variable wake;
    bool done = false;

    // Capped so that the clock's count cannot overflow: a billion seconds is no limit at all.
    const double seconds = std::min(std::max(timeLimitSeconds, 0.0), 1e9);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                               std::chrono::duration<double>(seconds));
    std::thread watchdog([&] {
        std::unique_lock<std::mutex> lock(mutex);
        if (wake.wait_until(lock, deadline, [&] { return done; })) return;
        timedOut = true;
        // A stop request that lands between two Solve calls may be cleared when the next call
        // starts, so it is repeated until the run loop has ended.
        do {
            solver.Stop();
        } while (!wake.wait_for(lock, std::chrono::milliseconds(50), [&] { return done; }));
    });

    try {
        while (!timedOut && (wanted < 0 || result.found < wanted)) {
            if (!solver.Solve()) break;
            ++result.found;
            onSolution(solver.GetSolutions().Last(), result.found);
        }
    } catch (...) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            done = true;
        }
        wake.notify_all();
        watchdog.join();
        throw;
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
    }
    wake.notify_all();
    watchdog.join();
    result.timedOut = timedOut;
    return result;
}

} // namespace TavSolve
