#pragma once
// Abstract base of every constraint kind. Holds the arguments (variables and constant values),
// the variables among them, and the count of bound arguments that the search keeps current
// through OnInstantiate/OnUninstantiate. A kind must say when it is satisfied; the base then
// filters an argument by trying its values and asking that question.
// Invariant kept by the search: m_boundCount = constant arguments + instantiated entries of
// m_vars (a variable occurring twice is in m_vars twice and notified twice).

#include "complete/CPObject.hpp"
#include "complete/DomainEvent.hpp"

#include <iosfwd>
#include <vector>

namespace GFCLib {

class Variable;

// What the current domains tell of a constraint: it holds whatever the unbound arguments take
// (True), it cannot hold (False), or either may be (Unknown).
enum class Truth { Unknown, True, False };

class Constraint : public CPObject {
public:
    // Takes the next constraint id of the current registry.
    Constraint();
    explicit Constraint(const std::vector<CPObject*>& args);
    ~Constraint() override = default;
    Constraint(const Constraint&) = delete;
    Constraint& operator=(const Constraint&) = delete;

    // Sets the current registry's constraint id counter to 0.
    static void ResetIdCounter();
    int GetId() const { return m_id; }

    std::string ToString() const override { return std::string(); }
    int GetType() const override { return static_cast<int>(TypeCode::Constraint); }
    bool IsConstraint() const override { return true; }
    // True when every argument is bound.
    bool IsBound() const override { return m_boundCount == static_cast<int>(m_args.size()); }
    // The name, then "(" arguments ")" when there are arguments.
    void Print(std::ostream& os) const override;
    void PrintName(std::ostream& os) const override;

    void OnInstantiate(Variable* var) {
        ++m_boundCount;
        if (m_hearsLabelling) HearLabelling(var, true);
    }
    void OnUninstantiate(Variable* var) {
        --m_boundCount;
        if (m_hearsLabelling) HearLabelling(var, false);
    }
    // Preparation before search: a constraint over constants only must hold; a constraint over
    // one variable filters that variable exactly once and detaches; otherwise a constraint with
    // one unbound variable filters it. False when the problem is infeasible.
    [[nodiscard]] virtual bool Preprocess();
    // Registers with (or removes from) the constraint list of every entry of m_vars.
    virtual void Attach();
    virtual void Detach();
    // Truth over the arguments' current values; meaningful when they are all bound.
    virtual bool IsSatisfied() const = 0;
    bool IsViolated() const { return !IsSatisfied(); }
    virtual bool IsReadyToCheck() const { return IsBound(); }
    // False when the forward check of the last unbound argument removes every value that breaks
    // the constraint, so that checking it once all are bound can only pass.
    virtual bool ChecksWhenBound() const { return true; }
    // IsBound without a virtual call or a look at the arguments (read per labelling).
    bool NeedsFullCheck() const { return m_boundCount == m_argCount; }
    bool IsAllButOneBound() const { return IsAllButOneBound(1); }
    // True when the search should run ForwardCheck after a labelling: exactly one argument
    // unbound, or any while ForwardChecksUntilBound.
    virtual bool IsAllButOneBound(int n) const;
    virtual bool ForwardChecksUntilBound() const { return false; }
    // IsAllButOneBound without a virtual call, for a constraint whose kind does not override it
    // (as read when it was attached).
    bool IsReadyToForwardCheck() const {
        return m_untilBound ? m_boundCount < m_argCount : m_boundCount + 1 == m_argCount;
    }
    // Removes from the domain of m_vars[i] the values that cannot satisfy the constraint;
    // false when the domain became empty.
    [[nodiscard]] virtual bool FilterArg(int i);
    // Removes the values under which the constraint holds; false when the domain became empty.
    [[nodiscard]] bool FilterArgNegated(int i);
    // Removes every value of m_vars[i] (a finite variable) that cannot satisfy the constraint,
    // interior values included: what preparation runs before a one-variable constraint leaves
    // the search. Default: try every value.
    [[nodiscard]] virtual bool FilterExact(int i) { return FilterByTrying(i, false, true); }
    // Filters every unbound variable in order; false at the first emptied domain.
    [[nodiscard]] virtual bool ForwardCheck();
    // Propagation: the narrowing that the search runs, after a labelling, whenever a variable
    // the constraint subscribes to changes, until no domain changes. The weakest change of
    // m_vars[i] that wakes it (None, the default: the constraint only forward-checks when one
    // of its variables is labelled).
    virtual DomainEvent WakeOn(int i) const {
        (void)i;
        return DomainEvent::None;
    }
    // Narrows by the current domains and the values of the bound variables; false when a domain
    // empties or the constraint cannot hold any more. It removes at least what ForwardCheck does.
    [[nodiscard]] virtual bool Propagate() { return true; }
    // Entailment for the logical constraints that hold this one: by default True or False once
    // every argument is bound (read from the arguments: a constraint nested in a logical one
    // keeps no count of its own), else Unknown.
    virtual Truth Entailment() const;
    // As the operand of a logical constraint: narrows so that the constraint holds (by
    // default what Propagate does) or fails (by default nothing); false when it cannot.
    [[nodiscard]] virtual bool Enforce() { return Propagate(); }
    [[nodiscard]] virtual bool EnforceNegation() { return true; }
    // True when labelling one of its variables runs Propagate (once the labelling's forward
    // checks are done) in place of ForwardCheck.
    virtual bool PropagatesOnLabelling() const { return false; }
    // Whether a change of m_vars[i] of this strength calls for Propagate after all, asked of
    // constraints that FiltersWakes at every change but their own (a cheap look at what changed
    // spares a run; the constraint may note what it saw).
    virtual bool IsWokenBy(int i, DomainEvent event) {
        (void)i, (void)event;
        return true;
    }
    bool FiltersWakes() const { return m_filtersWakes; }
    // Told, when m_hearsLabelling, that var was labelled (or released).
    virtual void HearLabelling(Variable* var, bool labelled) { (void)var, (void)labelled; }
    // What PropagatesOnLabelling and ChecksWhenBound answered when the constraint was attached.
    bool PropagatesOnLabellingCached() const { return m_propagatesOnLabelling; }
    bool ChecksWhenBoundCached() const { return m_checksWhenBound; }
    // True when the constraint propagates at all (on labelling or woken by some variable).
    bool IsPropagator() const;
    // True when the search propagates it before the first labelling too (the default); false
    // for the logical constraints, which act from the first labelling of one of their variables
    // or change of their domains on, as their forward check always did.
    virtual bool PropagatesBeforeSearch() const { return true; }
    // True while the constraint waits in the search's propagation queue.
    bool IsQueued() const { return m_queued; }
    void SetQueued(bool queued) { m_queued = queued; }
    virtual void Prepare() {}
    virtual const char* GetName() const { return "Constraint"; }

    // Appends the arguments (variables also to the variable list); a null argument throws
    // Platform::InternalError.
    void AddArgs(const std::vector<CPObject*>& args);
    void AddArg(CPObject* arg);
    // A leading result argument, then the list.
    void AddResultAndArgs(CPObject* result, const std::vector<CPObject*>& args);
    template <typename T> void AddArgs(const std::vector<T*>& args) {
        for (T* a : args)
            AppendArg(a);
        IndexVars();
    }
    template <typename T> void AddResultAndArgs(CPObject* result, const std::vector<T*>& args) {
        AppendArg(result);
        AddArgs(args);
    }
    // Rebuilds the argument index and sets the bound count to the constants' count.
    void IndexVars();
    const std::vector<CPObject*>& GetArgs() const { return m_args; }
    const std::vector<Variable*>& GetVars() const { return m_vars; }
    // Makes the domains of m_vars[from..] enumerated.
    void ExpandDomains(int from);
    int CountUnbound(int from) const;
    // Blames the failure of the variable with this id on what forward-checked the others.
    void RecordConflict(int id);
    // Records that the variable with this id was forward-checked against the others (enters it
    // into their past sets, or, when the constraint keeps its past, here).
    void RecordPast(int id);
    // Takes back RecordPast(id) (the search does this when it undoes that variable's labelling).
    void ErasePast(int id);
    // True when the constraint has so many variables that it keeps the ids recorded against
    // them itself, in recording order, instead of entering them into each one's past set.
    bool KeepsPast() const { return m_vars.size() > kKeptPastArity; }
    const std::vector<int>& GetKeptPast() const { return m_keptPast; }
    static constexpr std::size_t kKeptPastArity = 32;
    int GetBoundCount() const { return m_boundCount; }
    // True when every argument but one is bound.
    bool OneUnbound() const { return m_boundCount + 1 == m_argCount; }

protected:
    // Appends without reindexing; constraints nested in logical ones add their variables.
    void AppendArg(CPObject* arg);
    // The default value-trying filter over all positions (exact) or the bounds (interval).
    bool FilterByTrying(int i, bool negated, bool exact);

    int m_id;
    // Read together whenever a domain change wakes constraints: kept side by side.
    int m_boundCount = 0;
    int m_argCount = 0; // size(m_args) when the arguments were last indexed
    bool m_queued = false;
    bool m_filtersWakes = false;   // set by kinds that override IsWokenBy
    bool m_hearsLabelling = false; // set by kinds that override HearLabelling
    // PropagatesOnLabelling and ChecksWhenBound, read once when attached (asked per labelling).
    bool m_propagatesOnLabelling = false;
    bool m_checksWhenBound = true;
    bool m_untilBound = false;
    std::vector<Variable*> m_vars; // not owned
    std::vector<CPObject*> m_args; // not owned
    std::vector<int> m_argIndex;   // position in m_args of each entry of m_vars
    std::vector<int> m_keptPast;   // when KeepsPast: the recorded ids not taken back
};

std::ostream& operator<<(std::ostream& os, const Constraint& c);

} // namespace GFCLib
