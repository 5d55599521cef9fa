#pragma once
// The search's propagation: the constraints that domain changes wake wait here and run one after
// another until none is left, that is until no domain changes any more (a fixpoint), or until one
// fails (a queue of constraints as in AC-3; a constraint waits at most once at a time).
// Under backjumping it also records why each propagated removal happened: a variable that a
// constraint narrows takes into its past set the labelled variables of the constraint and the
// past sets of its other variables, so that a failure which depends on the removal blames every
// labelling the removal depended on. The trail takes those entries out again with their level.
// Nothing is allocated while it runs once the buffers have grown to the problem's size.

#include "complete/DomainEvent.hpp"
#include "complete/IdSet.hpp"

#include <cstdint>
#include <vector>

namespace GFCLib {

class Constraint;
class Trail;
class Variable;

class PropagationQueue {
public:
    // Listens to the domain changes saved on trail (which must outlive it) until destroyed.
    explicit PropagationQueue(Trail& trail);
    ~PropagationQueue();
    PropagationQueue(const PropagationQueue&) = delete;
    PropagationQueue& operator=(const PropagationQueue&) = delete;

    // Makes c wait for its run, unless it waits already.
    void Schedule(Constraint* c);
    // The trail's report that var's domain changed so from the ends oldMin .. oldMax (inside:
    // positions within the new ends may have gone): wakes the constraints registered for it.
    void OnChange(Variable* var, DomainEvent event, int oldMin, int oldMax, bool inside);
    // Runs the waiting constraints until none is left; false when one fails (nothing waits
    // then). A stop request on the trail ends the run early with true: what was removed so far
    // is sound, and the search stops.
    [[nodiscard]] bool Run();
    // Drops whatever waits.
    void Clear();
    // Records the reasons of propagated removals from now on (on for backjumping).
    void SetExplaining(bool explaining) { m_explaining = explaining; }
    // After Run failed while explaining: the labelled variables the failure depends on.
    const IdSet& FailureReason() const { return m_reason; }
    // A failure found outside Run, and why: one labelled variable, or a past set.
    void SetFailureReason(int id) {
        m_reason.Clear();
        m_reason.Insert(id);
    }
    void SetFailureReason(const IdSet& reason) {
        m_reason.Clear();
        m_reason.InsertAll(reason);
    }
    // Constraint runs so far.
    std::int64_t GetRuns() const { return m_runs; }

private:
    // Schedules the constraints that the change noted in var's pending marks wakes, but cause
    // (the constraint that made it, or null).
    void Wake(Variable* var, const Constraint* cause);
    // The part of Wake for the watchers: those of the positions the change removed.
    void WakeWatchers(const Variable& var, const Constraint* cause);
    // m_reason := the labelled variables of c and the past sets of its others.
    void Explain(const Constraint& c);

    Trail& m_trail;
    std::vector<Constraint*> m_ring; // a ring of m_ring.size() (a power of two) entries
    std::size_t m_head = 0;
    std::size_t m_count = 0;
    Constraint* m_running = nullptr;
    bool m_explaining = false;
    std::uint64_t m_runStamp = 0;
    std::vector<Variable*> m_narrowed; // by the running constraint
    IdSet m_reason;
    std::int64_t m_runs = 0;
};

} // namespace GFCLib
