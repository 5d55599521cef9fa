#pragma once
// Abstract solver over a raw problem, implemented by every solver bridge. The run thread calls
// Solve once per wanted solution; Stop may be called from another thread while Solve runs.
// The two flags are atomic because the user-interface thread reads them during a run.

#include "language/raw/RawCSP.hpp"
#include "language/raw/RawSolutions.hpp"

#include <atomic>
#include <iosfwd>

namespace TavLanguage {

// How a solver's last Solve ended, as far as the solver itself can tell.
enum class SolveEnd {
    None,      // no Solve has run yet
    Solution,  // it found a solution; others may exist
    Optimum,   // it found a solution of the objective (or soft cost) and proved none better
    Exhausted, // it found nothing (further): the whole search space has been walked
    Unbounded, // the objective has no bound (linear programming)
    Stopped,   // a stop request (a time limit, a user) ended it before it could tell
    Thrashing, // the thrashing check of complete search ended it
    GaveUp,    // an incomplete search ended without a new solution: nothing is proved
};

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
    // How the last Solve ended; read after it has returned.
    SolveEnd GetEnd() const { return m_end.load(); }

    RawSolutions& GetSolutions() { return m_solutions; }
    const RawSolutions& GetSolutions() const { return m_solutions; }
    RawCSP* GetProblem() const { return m_problem; }

protected:
    void SetFinished(bool finished) { m_finished.store(finished); }
    void SetSolved(bool solved) { m_solved.store(solved); }
    void SetEnd(SolveEnd end) { m_end.store(end); }

    std::atomic<bool> m_finished{false};
    std::atomic<bool> m_solved{false};
    std::atomic<SolveEnd> m_end{SolveEnd::None};
    RawCSP* m_problem;
    RawSolutions m_solutions;
};

} // namespace TavLanguage
