#pragma once
// The events of one solve, as the run thread reports them. The document delivers them on the
// thread that calls CTavDoc::DeliverEvents (or WaitForEvents), never on the run thread:
// progress counts are coalesced (only the newest is delivered), engine events come in order,
// and finished comes exactly once per run, last.

namespace TavWorkbench {

class SolveEvents {
public:
    virtual ~SolveEvents() = default;
    // `found` solutions are recorded so far.
    virtual void progress(int found) = 0;
    // The run has ended with `found` solutions.
    virtual void finished(int found) = 0;
    // Expert run: the engine at `position` of the run's sequence starts a search.
    virtual void engineStarted(int position) = 0;
    // Expert run: the engine at `position` found a solution.
    virtual void engineSolved(int position) = 0;
};

} // namespace TavWorkbench
