#pragma once
// The abstract local-search engine through which the bridges drive every engine of the
// library: one run per Solve, results read afterwards, Stop from another thread.

#include <ostream>

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

    // The scale of utilities and of the objective's violation.
    static int UtilityScale() { return 1000; }
};

} // namespace GLSLib
