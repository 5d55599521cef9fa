#pragma once
// The abstract local-search engine through which the bridges drive every engine of the
// library: one run per Solve, results read afterwards, Stop from another thread.

#include "platform/Diagnostics.hpp"

#include <climits>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

namespace GLSLib {

class Con;
class GLSCSP;

class GGLS {
public:
    // One run; true when the engine has a solution to report.
    virtual bool Solve() = 0;
    // Whether a change of one variable of c would lower c's penalised cost.
    virtual bool CanImprove(Con* c) = 0;
    // Cost of the best solution found; 2147483647 when none.
    virtual int GetCost() = 0;
    // The soft-constraint part of that cost.
    virtual int GetSoftCost() = 0;
    // Sets the stop request; the running Solve returns at its next check.
    virtual void Stop() = 0;
    // True when the best cost is below 2147483647.
    virtual bool IsSolved() = 0;
    // Writes the engine's labelled run statistics; returns the stream.
    virtual std::ostream& PrintStatistics(std::ostream& os) = 0;
    // Sets one numbered parameter. Throws Platform::ParameterError ("Invalid Parameter\n")
    // for an id the engine does not accept.
    virtual void SetParameter(int id, int value) = 0;
    // The engine's own problem, filled by the caller before the first Solve.
    virtual GLSCSP* GetCSP() = 0;
    virtual ~GGLS() = default;

    // Series of runs (used by the external solver program). The defaults do nothing, for
    // engines that keep no series.
    // Tells of each new best assignment, on the searching thread while the variables hold it:
    // the argument is the new best total (objective value plus soft cost).
    using NewBestCallback = std::function<void(int bestTotal)>;
    // Resets the engine for a new series: the next run starts from a random assignment, the
    // best total is none (2147483647) and a pending stop request is dropped.
    virtual void PrepareRuns() {}
    // Stores the function told of each new best cost (empty: nobody is told).
    virtual void SetNewBestCallback(NewBestCallback callback) { (void)callback; }
    // The best total of the series; 2147483647 when none.
    virtual int GetBestTotal() const { return INT_MAX; }

    // Called on the searching thread with the number of steps made so far (over the engine's
    // life) after every `every` steps: a variable visited, a move made or a local minimum
    // penalised by the guided local searches (so a run in which nothing can move still
    // steps), an iteration of tabu search, a generation of the genetic algorithm. It may
    // call Stop, which the run then honours at its next check. An empty hook or every = 0
    // turns it off.
    using StepHook = std::function<void(std::uint64_t steps)>;
    // Where the engine's notices go (a solution that failed its check, "Invalid solution\n");
    // without one, to the process-wide message sink. The engine shows nothing itself.
    void SetDiagnostics(Platform::Diagnostics diagnostics) { m_diagnostics = std::move(diagnostics); }
    void SetStepHook(StepHook hook, std::uint64_t every) {
        m_stepHook = std::move(hook);
        m_stepEvery = every;
    }

    // The scale of utilities and of the objective's violation.
    static int UtilityScale() { return 1000; }

protected:
    // Hands a notice to the diagnostics callback.
    void Report(const std::string& text) const { Platform::Report(m_diagnostics, text); }
    // Counts one step and calls the step hook when it is due.
    void CountStep() {
        ++m_steps;
        if (m_stepHook && m_stepEvery != 0 && m_steps % m_stepEvery == 0) m_stepHook(m_steps);
    }

private:
    Platform::Diagnostics m_diagnostics;
    StepHook m_stepHook;
    std::uint64_t m_stepEvery = 0;
    std::uint64_t m_steps = 0;
};

} // namespace GLSLib
