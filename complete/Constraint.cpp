#include "complete/Constraint.hpp"

#include "complete/FiniteDomain.hpp"
#include "complete/Registry.hpp"
#include "complete/Value.hpp"
#include "complete/Variable.hpp"
#include "platform/FatalError.hpp"

#include <algorithm>
#include <ostream>

namespace GFCLib {

Constraint::Constraint() : m_id(Registry::Current().NextConstraintId()) {}

Constraint::Constraint(const std::vector<CPObject*>& args) : m_id(Registry::Current().NextConstraintId()) {
    AddArgs(args);
}

void Constraint::ResetIdCounter() {
    Registry::Current().ResetConstraintIds();
}

void Constraint::Print(std::ostream& os) const {
    os << GetName();
    if (m_args.empty()) return;
    os << "(";
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        if (i > 0) os << ",";
        const CPObject* a = m_args[i];
        if (a->IsVariable())
            a->PrintName(os);
        else
            a->Print(os);
    }
    os << ")";
}

void Constraint::PrintName(std::ostream& os) const {
    os << GetName();
}

void Constraint::AppendArg(CPObject* arg) {
    // A missing argument would be read at every check; refuse it where it is given.
    if (arg == nullptr) throw Platform::InternalError(std::string("Missing argument of ") + GetName());
    if (arg->IsVariable()) m_vars.push_back(static_cast<Variable*>(arg));
    m_args.push_back(arg);
}

void Constraint::AddArgs(const std::vector<CPObject*>& args) {
    for (CPObject* a : args)
        AppendArg(a);
    IndexVars();
}

void Constraint::AddArg(CPObject* arg) {
    AppendArg(arg);
    IndexVars();
}

void Constraint::AddResultAndArgs(CPObject* result, const std::vector<CPObject*>& args) {
    AppendArg(result);
    AddArgs(args);
}

void Constraint::IndexVars() {
    m_argIndex.assign(m_vars.size(), -1);
    for (std::size_t v = 0; v < m_vars.size(); ++v) {
        auto it = std::find(m_args.begin(), m_args.end(), static_cast<CPObject*>(m_vars[v]));
        if (it != m_args.end()) m_argIndex[v] = static_cast<int>(it - m_args.begin());
    }
    m_argCount = static_cast<int>(m_args.size());
    m_boundCount = m_argCount - static_cast<int>(m_vars.size());
}

bool Constraint::IsAllButOneBound(int n) const {
    (void)n;
    if (ForwardChecksUntilBound()) return m_boundCount < static_cast<int>(m_args.size());
    return m_boundCount == static_cast<int>(m_args.size()) - 1;
}

void Constraint::Attach() {
    m_propagatesOnLabelling = PropagatesOnLabelling();
    m_checksWhenBound = ChecksWhenBound();
    m_untilBound = ForwardChecksUntilBound();
    for (std::size_t i = 0; i < m_vars.size(); ++i)
        m_vars[i]->AddConstraint(this, WakeOn(static_cast<int>(i)), static_cast<int>(i));
}

Truth Constraint::Entailment() const {
    for (const CPObject* a : m_args)
        if (!a->IsBound()) return Truth::Unknown;
    return IsSatisfied() ? Truth::True : Truth::False;
}

bool Constraint::IsPropagator() const {
    if (PropagatesOnLabelling()) return true;
    for (std::size_t i = 0; i < m_vars.size(); ++i)
        if (WakeOn(static_cast<int>(i)) != DomainEvent::None) return true;
    return false;
}

void Constraint::Detach() {
    for (Variable* v : m_vars)
        v->RemoveConstraint(this);
}

bool Constraint::Preprocess() {
    if (m_vars.empty()) return IsSatisfied();
    Variable* only = m_vars.front();
    const bool single =
        std::all_of(m_vars.begin(), m_vars.end(), [only](const Variable* v) { return v == only; });
    if (single && !only->IsInstantiated() && only->GetFiniteDomain() != nullptr) {
        // Its effect on the one domain is final, so filter every value, not just the bounds,
        // before the constraint leaves the search.
        if (!FilterExact(0)) return false;
        Detach();
        return true;
    }
    if (IsAllButOneBound(1) && !ForwardCheck()) return false;
    return true;
}

bool Constraint::FilterArg(int i) {
    FiniteDomain* d = m_vars[static_cast<std::size_t>(i)]->GetFiniteDomain();
    if (d == nullptr) return true;
    return FilterByTrying(i, false, d->IsEnumerated());
}

bool Constraint::FilterArgNegated(int i) {
    FiniteDomain* d = m_vars[static_cast<std::size_t>(i)]->GetFiniteDomain();
    if (d == nullptr) return true;
    return FilterByTrying(i, true, d->IsEnumerated());
}

bool Constraint::FilterByTrying(int i, bool negated, bool exact) {
    Variable* x = m_vars[static_cast<std::size_t>(i)];
    FiniteDomain* d = x->GetFiniteDomain();
    if (d == nullptr) return true;
    const int savedIndex = x->GetIndex();
    const auto keeps = [&](int position) {
        x->SetToIndex(position);
        return IsSatisfied() != negated;
    };
    if (exact) {
        // Walk positions, not ranks, so removing a value never skips the next one.
        d->ForEachIndex([&](int p) {
            if (!keeps(p)) (void)d->Remove(p);
        });
    } else {
        for (int p = d->MinIndex(); p >= 0; p = d->NextAfter(p)) {
            if (keeps(p)) break;
            (void)d->Remove(p);
        }
        for (int p = d->MaxIndex(); p >= 0; p = d->PrevBefore(p)) {
            if (keeps(p)) break;
            (void)d->Remove(p);
        }
    }
    x->RestoreIndex(savedIndex);
    return !d->IsEmpty();
}

bool Constraint::ForwardCheck() {
    for (std::size_t i = 0; i < m_vars.size(); ++i)
        if (!m_vars[i]->IsInstantiated() && !FilterArg(static_cast<int>(i))) return false;
    return true;
}

void Constraint::ExpandDomains(int from) {
    for (std::size_t i = static_cast<std::size_t>(std::max(from, 0)); i < m_vars.size(); ++i)
        m_vars[i]->ExpandDomain();
}

int Constraint::CountUnbound(int from) const {
    int n = 0;
    for (std::size_t i = static_cast<std::size_t>(std::max(from, 0)); i < m_vars.size(); ++i)
        n += m_vars[i]->IsInstantiated() ? 0 : 1;
    return n;
}

void Constraint::RecordConflict(int id) {
    Variable* y = nullptr;
    for (Variable* v : m_vars)
        if (v->GetId() == id) y = v;
    if (y == nullptr) return;
    // The others' past sets: their own parts one by one, and the ids that constraints keep
    // themselves once per constraint. A kept id counts unless the only variable here that
    // reaches that constraint is the one with that id (a past set leaves out its own id).
    struct Keeper {
        const Constraint* constraint;
        const Variable* through;
        bool several;
    };
    std::vector<Keeper> keepers;
    for (Variable* z : m_vars) {
        if (z->GetId() == id) continue;
        z->PastSet().ForEach([&](int past) {
            if (past != id) y->ConflictSet().Insert(past);
        });
        for (const Constraint* c : z->GetPastKeepers()) {
            auto it = std::find_if(keepers.begin(), keepers.end(),
                                   [c](const Keeper& k) { return k.constraint == c; });
            if (it == keepers.end())
                keepers.push_back(Keeper{c, z, false});
            else if (it->through != z)
                it->several = true;
        }
    }
    for (const Keeper& k : keepers)
        for (int past : k.constraint->GetKeptPast())
            if (past != id && (k.several || past != k.through->GetId())) y->ConflictSet().Insert(past);
}

void Constraint::RecordPast(int id) {
    if (KeepsPast()) {
        m_keptPast.push_back(id);
        return;
    }
    for (Variable* v : m_vars)
        if (v->GetId() != id) v->PastSet().Insert(id);
}

void Constraint::ErasePast(int id) {
    if (KeepsPast()) {
        // The search takes labellings back in the reverse order of making them.
        if (!m_keptPast.empty() && m_keptPast.back() == id) {
            m_keptPast.pop_back();
        } else {
            auto it = std::find(m_keptPast.rbegin(), m_keptPast.rend(), id);
            if (it != m_keptPast.rend()) m_keptPast.erase(std::next(it).base());
        }
        return;
    }
    for (Variable* v : m_vars)
        if (v->GetId() != id) v->PastSet().Erase(id);
}

std::ostream& operator<<(std::ostream& os, const Constraint& c) {
    c.Print(os);
    return os;
}

} // namespace GFCLib
