#pragma once
// Drives guided local search (GLSLib::GGLS_ND) for the external solver program: reads a
// received problem description into a fresh engine, keeps the user's parameters, runs a number
// of runs with one Solution per successful run, and writes the solutions as the transfer text
// and the report. The parameters given stay in force for every later engine, the seed too.
// A run of an optimisation problem searches until it is stopped or its time limit ends it, and
// then reports the best assignment found so far.
//
// Threads: Stop may be called from any thread while Solve runs on another, and Solve's stop
// token may be asked to stop from any thread; everything else is called by one thread at a
// time (the program's dialog thread, or its worker during a solve).
// The model lives in the local-search library's registry, which this object empties when it
// replaces or destroys the engine.

#include "extcore/Solutions.hpp"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>

namespace GLSLib {
class GGLS_ND;
}

namespace Melvane {

class SolverInterface {
public:
    // The costs of a new best assignment, as a Solution states them: the objective's own value
    // (with the sign of the target the user wrote; none without an objective) and the weights
    // of the soft constraints it breaks (none without soft constraints).
    struct BestCosts {
        std::optional<int> cost;
        std::optional<int> softCost;
    };
    // Told of each new best assignment during a run, on the solving thread.
    using NotifyFunction = std::function<void(const BestCosts& best)>;

    SolverInterface();
    SolverInterface(const SolverInterface&) = delete;
    SolverInterface& operator=(const SolverInterface&) = delete;
    virtual ~SolverInterface();

    // Replaces the engine by a new one whose problem is read from text, with every parameter
    // given so far. Throws DescriptionError for a text the reader refuses; there is then no
    // engine until the next load. The solutions are not touched.
    void LoadProblem(std::string text);
    // Parameter ids: 1 lambda, 2 approximate evaluation, 3 learning, 4 delta update (nonzero
    // on), 5 seed, 6 objective weight, 7 to 15 accepted and ignored. Kept for later engines and
    // given to the current one. Throws Platform::ParameterError ("Invalid Parameter\n") for
    // any other id.
    void SetParameter(int id, int value);
    // The function told of new best costs (empty: nobody).
    void SetNotifyWindow(NotifyFunction notify);
    // Runs the engine up to runs times, while neither Stop nor stop asks to stop, each run for
    // at most runLimit (zero: no limit), and appends a Solution per successful run; a run that
    // ends by its limit counts as one stopped, and a run that reports an assignment this
    // Solve already appended appends nothing (an optimisation run that found nothing better
    // reports the best so far again). True when a run succeeded; false without a problem or
    // with runs <= 0. A Stop asked before Solve starts is forgotten; a stop of the token is
    // not.
    bool Solve(int runs, std::chrono::nanoseconds runLimit = {}, std::stop_token stop = {});
    // Ends the current run early and lets no further run start (thread-safe).
    void Stop();

    void GetSolutionsReport(std::string& out) const;
    void GetSolutionsText(std::string& out) const;
    Solutions& GetSolutions() { return m_solutions; }
    const Solutions& GetSolutions() const { return m_solutions; }
    bool HasProblem() const { return m_engine != nullptr; }
    // The current engine (null before the first successful load); for tests.
    const GLSLib::GGLS_ND* GetEngine() const { return m_engine.get(); }

private:
    // Engine steps between two looks at the clock and the stop token.
    static constexpr std::uint64_t kStepsPerCheck = 16;
    // A longer run limit counts as this one (a century, in nanoseconds), so that the deadline
    // cannot overflow the clock.
    static constexpr std::int64_t kLongestLimit = std::int64_t{100} * 365 * 24 * 3600 * 1000000000;

    // Copies the engine's current assignment and costs into solution.
    void StoreSolution(Solution& solution) const;
    // The costs of the engine's current assignment.
    BestCosts CurrentCosts() const;
    void ReleaseEngine();

    // Guards the engine pointer against Stop from another thread while it is replaced.
    mutable std::mutex m_engineMutex;
    std::unique_ptr<GLSLib::GGLS_ND> m_engine;
    Solutions m_solutions;
    std::atomic<bool> m_stop{false};
    std::map<int, int> m_parameters;
    NotifyFunction m_notify;
};

} // namespace Melvane
