#pragma once
// Abstract solver over a raw problem, implemented by every solver bridge. The run thread calls
// Solve once per wanted solution; Stop may be called from another thread while Solve runs.
// The two flags are atomic because the user-interface thread reads them during a run.

#include "language/raw/RawCSP.hpp"
#include "language/raw/RawSolutions.hpp"

#include <atomic>
#include <iosfwd>

namespace TavLanguage {

class RawSolver {
public:
    // Both flags false, no solutions; the problem is kept, not owned.
    explicit RawSolver(RawCSP* problem) : m_problem(problem) {}
    RawSolver(const RawSolver&) = delete;
    RawSolver& operator=(const RawSolver&) = delete;

    virtual bool IsFinished() const { return m_finished.load(); }
    // True when a solution was found.
    virtual bool IsSolved() const { return m_solved.load(); }
    virtual ~RawSolver() = default;
    // Asks a running Solve to return soon.
    virtual void Stop() = 0;
    // Searches for the next solution; true when one was found and appended to the solutions.
    [[nodiscard]] virtual bool Solve() = 0;
    // Writes the solver's statistics report.
    virtual std::ostream& PrintStatistics(std::ostream& out) = 0;

    RawSolutions& GetSolutions() { return m_solutions; }
    const RawSolutions& GetSolutions() const { return m_solutions; }
    RawCSP* GetProblem() const { return m_problem; }

protected:
    void SetFinished(bool finished) { m_finished.store(finished); }
    void SetSolved(bool solved) { m_solved.store(solved); }

    std::atomic<bool> m_finished{false};
    std::atomic<bool> m_solved{false};
    RawCSP* m_problem;
    RawSolutions m_solutions;
};

} // namespace TavLanguage
