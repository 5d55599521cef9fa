#pragma once
// The complete solver: depth-first search labelling one variable per level, forward checking
// every constraint of the labelled variable against the unbound ones and then propagating the
// domain changes through the constraints that narrow by domains until nothing changes, undoing
// a level by restoring the domains it changed (a trail), and optionally jumping back over levels
// by conflict bookkeeping (forward checking with conflict-directed backjumping, Prosser 1993;
// propagated removals record their reasons in the past sets). Resumable: each
// FindNextSolution continues where the previous one stopped. With an objective one call runs
// the whole minimisation (branch and bound) and returns the best solution.

#include "complete/GFCVar.hpp"
#include "complete/IdSet.hpp"
#include "complete/PropagationQueue.hpp"
#include "complete/SmallestDomainIndex.hpp"
#include "complete/Trail.hpp"
#include "complete/Value.hpp"
#include "complete/VariableOrdering.hpp"
#include "platform/Random.hpp"
#include "platform/StopPoll.hpp"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace GFCLib {

class CSP;
class GFCStats;
class Variable;

class GFC {
public:
    // The search over problem (not owned, and it must outlive the search); stats may be null;
    // flag is kept and not used. The search is set up (records, trail, index) by the first
    // FindNextSolution, where a stop request can cut it short.
    GFC(CSP* problem, GFCStats* stats, bool flag);
    virtual bool IsSolved() const { return m_solved; }
    virtual ~GFC();
    GFC(const GFC&) = delete;
    GFC& operator=(const GFC&) = delete;

    // 1 ordering (0 natural, 1 random, 2 smallest domain), 2 thrashing factor (0 disables),
    // 3 backtrack type (0 chronological, 1 backjumping), 4..15 ignored. Throws
    // Platform::ParameterError with the message text for any other id or value.
    void SetParameter(int id, int value);
    // True when a further solution (with an objective: the best one) stands in the variables.
    // A stop request ends set-up and search alike; a stopped search stays stopped.
    [[nodiscard]] bool FindNextSolution();
    // The current objective's bound; throws Platform::InternalError without an objective.
    const Value& GetObjectiveBound() const;
    // Asks a running search to end at its next node; safe from any thread.
    void RequestStop() { m_stopRequest.store(true, std::memory_order_relaxed); }
    bool IsStopRequested() const { return m_stopRequest.load(std::memory_order_relaxed); }
    int GetDepth() const { return m_depth; }
    // Calls hook on the searching thread after every `every` search steps (a labelling of a
    // level or a step back), before the stop request is read, so a hook that calls RequestStop
    // ends the search there. every <= 0 or an empty hook removes it.
    void SetStepHook(std::int64_t every, std::function<void()> hook);
    // Search steps taken so far.
    std::int64_t GetSteps() const { return m_steps; }

private:
    // The records of the decision and induced variables, the trail attached to every domain the
    // search narrows, and the smallest-domain index; false when a stop was requested meanwhile
    // (read every few thousand variables).
    [[nodiscard]] bool SetUp();
    // The set-up's look at the stop request, counting item: true at the first and every few
    // thousandth item while a stop is requested.
    bool StopDue(std::size_t& item) const { return Platform::StopDue(&m_stopRequest, item++); }
    // Preparation of every constraint before the first step, then propagation of every
    // constraint that narrows by domains; false when the problem has no solution or a stop was
    // requested meanwhile.
    [[nodiscard]] bool Prepare();
    int Choose(int level);
    GFCVar& RecordAt(int level);
    [[nodiscard]] bool Step();
    // Forward checks the constraints of the just labelled v, then propagates; false when a
    // constraint fails (under backjumping v's conflict set then says why).
    [[nodiscard]] bool ForwardCheck(Variable* v);
    void HandleFailedLevel();
    [[nodiscard]] bool Backtrack();
    // Releases the exhausted level at m_depth and moves above it, jumping when backjumping.
    void LeaveLevel(bool jump);
    void ThrashingCheck();
    // Undoes the forward checking of the level at m_depth (its trail level stays open).
    void UndoForwardCheck(GFCVar& record);
    // Tell v's constraints that v is labelled or released.
    void NotifyInstantiate(Variable* v);
    void NotifyUninstantiate(Variable* v);
    // False (the node fails) once a best solution is recorded and the objective is bound to a
    // value that does not improve on it, or has no value left below it; under backjumping the
    // queue's failure reason then says why.
    [[nodiscard]] bool ObjectiveCanImprove();
    // Adds the propagation runs since the last count to the statistics.
    void CountPropagations();
    void RecordBest();
    void MarkSolutionConflicts();

    bool m_stop = false;
    bool m_solved = false;
    bool m_setUp = false;
    bool m_firstCall = true;
    bool m_exhausted = false;
    GFCStats* m_stats;
    CSP* m_problem;
    int m_depth = 0;
    int m_thrashingFactor = 0;
    int m_lastReached = 0;
    int m_lastLabelled = -1;
    std::vector<int> m_levelMark;
    std::vector<int> m_levelCount;
    bool m_started = false;
    std::atomic<bool> m_stopRequest{false};
    bool m_backjumping = false;
    bool m_flag;
    Trail m_trail; // one level per labelled level
    PropagationQueue m_queue{m_trail};
    std::vector<Variable*> m_trailed;               // variables whose domains save on m_trail
    std::vector<GFCVar> m_records;                  // decision variables, then induced ones
    std::vector<int> m_order;                       // level -> record position
    VariableChooser m_chooser = NaturalOrdering;
    // The smallest-domain choice among the decision variables, fed by the trail's change log
    // and by the labellings, while m_chooser is the smallest-domain ordering.
    SmallestDomainIndex m_smallest;
    bool m_indexing = false;
    // The search's own sequence for the random ordering; it starts as if seeded with 1, so that
    // every run of a problem draws the same numbers.
    Platform::Random m_random;
    int m_jumpTarget = -1;
    IdSet m_conflictUnion;
    IdSet m_scratch;
    bool m_hasBest = false;
    std::vector<Value> m_best; // per record, values of the best solution so far
    std::int64_t m_steps = 0;
    std::int64_t m_propagationsCounted = 0; // of m_queue's runs, those added to the statistics
    std::int64_t m_hookEvery = 0;
    std::function<void()> m_hook;
};

} // namespace GFCLib
