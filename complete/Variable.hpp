#pragma once
// A variable of the complete search: name, id, the constraints that mention it, the search's
// conflict bookkeeping (past and conflict sets of variable ids, and the level at which it was
// labelled), and a current state (bound or not, value) over a domain held by the subclasses.
// Domain-narrowing operations answer true when the domain is not empty afterwards.

#include "complete/CPObject.hpp"
#include "complete/DomainEvent.hpp"
#include "complete/DomainState.hpp"
#include "complete/IdSet.hpp"
#include "complete/VarState.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace GFCLib {

class Constraint;
class FiniteDomain;
class Trail;

class Variable : public CPObject {
public:
    // Takes the next variable id of the current registry; name null or empty for none.
    explicit Variable(const char* name = nullptr);
    ~Variable() override = default;
    Variable(const Variable&) = delete;
    Variable& operator=(const Variable&) = delete;

    // Sets the current registry's variable id counter to 0.
    static void ResetIdCounter();
    // Number of variable ids the current registry gave out since the last reset.
    static int GetIdCounter();

    int GetId() const { return m_id; }
    int GetLevel() const { return m_level; }
    void SetLevel(int level) { m_level = level; }

    // The current value when instantiated, else the undefined value.
    const Value& GetValue() const override;
    // When instantiated the current value, else the domain's minimum or maximum.
    Value GetMin() const override = 0;
    Value GetMax() const override = 0;
    bool IsVariable() const override { return true; }
    bool IsBound() const override { return IsInstantiated(); }
    // " var id = <id> <name>", the value or the domain, then the past and conflict sets.
    void Print(std::ostream& os) const override;
    // The name, or "_V" and the id when unnamed.
    void PrintName(std::ostream& os) const override;

    const char* GetName() const { return m_name.c_str(); }
    // Replaces the name; null leaves it unchanged.
    void SetName(const char* name) {
        if (name != nullptr) m_name = name;
    }
    // The state's value (meaningful while instantiated).
    const Value& GetCurrentValue() const { return m_varState->m_value; }
    std::vector<Constraint*>& GetConstraints() { return m_constraints; }
    const std::vector<Constraint*>& GetConstraints() const { return m_constraints; }
    // Registers c, in which this variable is entry `index` of its variables, woken by changes
    // of this variable's domain from `wake` up (None: never).
    void AddConstraint(Constraint* c, DomainEvent wake = DomainEvent::None, int index = 0);
    // Removes one registration of c.
    void RemoveConstraint(Constraint* c);
    // Tells the queue that c, registered to hear every change of this variable as its entry
    // `index`, needs a call only for the change that takes position `watch` out of this domain
    // or leaves it the only value, and for none after (c must filter its wakes, and the promise
    // must hold from now on). The entry moves to the watchers, ordered by position, so that a
    // change reaches the watchers of the positions it removed without passing the others.
    void SetWatch(const Constraint* c, int index, int watch);
    bool HasWatches() const { return !m_watchers.empty(); }
    // A constraint to wake, this variable's entry among its variables, and the position the
    // constraint watches in this domain (-1: none; see SetWatch).
    struct Waking {
        Constraint* constraint;
        int index;
        int watch;
    };
    // The constraints registered to be woken from this strength of change up (a change wakes
    // the lists of its own strength and of every weaker one), the watchers apart.
    const std::vector<Waking>& WokenBy(DomainEvent event) const {
        return m_woken[static_cast<std::size_t>(event) - 1];
    }
    // A stretch of such a list, entries first .. first + count - 1, over constraints that each
    // have exactly two variables and no other argument, this one and partner: none of them is
    // woken while partner is bound (its labelling left this domain within what they allow), so
    // the queue passes over the stretch without reading them. Partner null: a stretch of other
    // constraints, always read. The stretches cover the list in order.
    struct WakeRun {
        const Variable* partner;
        std::uint32_t first;
        std::uint32_t count;
    };
    const std::vector<WakeRun>& WakeRuns(DomainEvent event) const {
        return m_runs[static_cast<std::size_t>(event) - 1];
    }
    // The watching entries, by position.
    const std::vector<Waking>& Watchers() const { return m_watchers; }
    // The index in Watchers() of the first entry that watches position p or a later one.
    std::size_t FirstWatcherFrom(int p) const;
    // True unless a constraint of the list is ready to check and not satisfied.
    bool AllReadyConstraintsSatisfied() const;

    bool IsInstantiated() const { return m_varState->m_instantiated; }
    // Binds the variable to value (which should be in the domain).
    virtual void SetValue(const Value& value) = 0;
    // index := index, unbound.
    virtual void RestoreIndex(int index);
    // Binds the variable to the next value of its domain after the current index; false when
    // there is none (nothing changes then).
    [[nodiscard]] virtual bool NextValue() = 0;
    // True when NextValue would succeed.
    virtual bool HasNextValue() const = 0;
    // Removes the current value from the domain and unbinds.
    virtual void RemoveCurrentValue() = 0;
    // Unbinds, keeping the index so NextValue continues after it; level := -1.
    virtual void Unassign();
    // Makes the domain enumerated (every value filtered by the default filter); throws
    // Platform::ResourceError when it has too many values to hold one by one.
    virtual void ExpandDomain() {}
    // Domain changes are saved on this trail from now on (null: not saved).
    virtual void AttachTrail(Trail* trail) = 0;
    virtual bool IsInduced() const { return false; }
    virtual bool IsNumeric() const { return false; }

    virtual VarState& GetState() = 0;
    virtual const VarState& GetState() const = 0;
    virtual DomainState& GetDomainState() = 0;
    // Copies the live state and domain state from the given ones (of this variable's classes).
    void RestoreState(const VarState& state, const DomainState& domain) {
        GetState().Assign(state);
        GetDomainState().Assign(domain);
    }
    // Binds to the k-th position of the universe (finite variables).
    virtual void SetToIndex(int k) = 0;
    virtual int GetIndex() const { return -1; }
    // Number of values left (set variables: free members plus one).
    virtual int GetDomainSize() const = 0;
    // Narrowing by another object: keep only what it can be / remove its bound value.
    [[nodiscard]] virtual bool KeepValuesOf(const CPObject& other) = 0;
    [[nodiscard]] virtual bool RemoveValueOf(const CPObject& other) = 0;
    // True when other is a finite variable over the same domain description.
    virtual bool SameSpec(const CPObject& other) const {
        (void)other;
        return false;
    }
    // False when the domain has no value left.
    virtual bool HasValues() const = 0;
    // The finite domain of finite variables, null for set variables.
    virtual FiniteDomain* GetFiniteDomain() { return nullptr; }
    virtual const FiniteDomain* GetFiniteDomain() const { return nullptr; }

    // The past set: the ids of labelled variables whose constraints were forward-checked against
    // this one. It is held in two parts: the ids entered here (PastSet), and the ids that the
    // attached constraints with many variables keep themselves (Constraint::KeepsPast), so that
    // a labelling costs one entry there instead of one per variable. AddPastTo adds both.
    IdSet& PastSet() { return m_pastSet; }
    const IdSet& PastSet() const { return m_pastSet; }
    void AddPastTo(IdSet& out) const;
    // The attached constraints that keep their past ids themselves.
    const std::vector<Constraint*>& GetPastKeepers() const { return m_pastKeepers; }
    IdSet& ConflictSet() { return m_conflictSet; }
    const IdSet& ConflictSet() const { return m_conflictSet; }
    // Scratch marks of the search's propagation: the run in which it last narrowed this domain,
    // the strongest change in that run, the domain's ends before the run, and whether a
    // position inside the ends may have gone (else only the ends moved).
    std::uint64_t m_narrowedIn = 0;
    DomainEvent m_pendingEvent = DomainEvent::None;
    bool m_pendingInside = false;
    int m_pendingMin = 0;
    int m_pendingMax = -1;

protected:
    // Subclasses point this at their live state in their constructors (a non-virtual path for
    // the search's most frequent question, "is it bound?").
    void BindState(VarState* state) { m_varState = state; }
    virtual void PrintDomain(std::ostream& os) const = 0;
    virtual void PrintValue(std::ostream& os) const;

private:
    // The other variable of c for WakeRun, or null.
    const Variable* PartnerIn(const Constraint* c) const;
    // Puts entry `entry` (the last so far) of list `list` into its stretch.
    void AddToRuns(std::size_t list, std::size_t entry);
    // Builds the stretches of list `list` again (after an entry left it).
    void RebuildRuns(std::size_t list);
    // Most table entries per watcher for FirstWatcherFrom's table (besides a few).
    static constexpr std::int64_t kWatcherTablePerEntry = 8;
    void IndexWatchers();

    VarState* m_varState = nullptr;
    int m_id;
    std::string m_name;
    int m_level = -1;
    IdSet m_pastSet;
    IdSet m_conflictSet;
    std::vector<Constraint*> m_constraints; // not owned, in attachment order
    std::vector<Constraint*> m_pastKeepers; // those of m_constraints that keep their past
    // Registrations by the weakest change that wakes them: values, bounds, fixed.
    std::vector<Waking> m_woken[3];
    std::vector<WakeRun> m_runs[3]; // over m_woken, list by list
    std::vector<Waking> m_watchers; // registered for every change, by watched position
    // FirstWatcherFrom by position, for every position of the universe and the one past it,
    // when the universe is small beside the watchers (else empty, and looked up by halving).
    std::vector<int> m_watcherFrom;
};

} // namespace GFCLib
