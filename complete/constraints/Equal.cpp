#include "complete/constraints/Equal.hpp"

#include "complete/FiniteDomain.hpp"
#include "complete/IntVar.hpp"
#include "complete/Variable.hpp"
#include "complete/induced/InducedIntVar.hpp"

namespace GFCLib {

namespace {
// True when x and y hold each integer at the same position, in universes whose domains may
// hold any set of positions.
bool SamePositions(const IntVar& x, const IntVar& y) {
    const IntDomainSpec* a = x.GetIntSpec();
    const IntDomainSpec* b = y.GetIntSpec();
    return a->IsContiguous() && b->IsContiguous() && a->UniverseSize() > 0 && b->UniverseSize() > 0 &&
           a->UniverseSize() <= FiniteDomain::kMaxExplicitSize &&
           b->UniverseSize() <= FiniteDomain::kMaxExplicitSize && a->IntAt(0) == b->IntAt(0);
}

// Removes from x the values y cannot take; false when x empties.
bool KeepAllowed(IntVar* x, const IntVar* y) {
    FiniteDomain& d = x->GetDomain();
    for (int p = d.MinIndex(); p >= 0; p = d.NextAfter(p)) {
        const int v = x->GetIntSpec()->IntAt(p);
        if (!y->Allows(v) && !x->Exclude(v)) return false;
    }
    return !d.IsEmpty();
}

} // namespace

Truth Equal::Entailment() const {
    if (!BothIntegers()) return Constraint::Entailment();
    if (High(0) < Low(1) || High(1) < Low(0)) return Truth::False;
    if (Low(0) == High(0) && Low(1) == High(1)) return Truth::True;
    return Truth::Unknown;
}

bool Equal::EnforceNegation() {
    if (!BothIntegers()) return Entailment() != Truth::True;
    for (int k = 0; k < 2; ++k) {
        IntVar* x = IntVarAt(k);
        if (x != nullptr && Low(1 - k) == High(1 - k) && !x->Exclude(Low(1 - k))) return false;
    }
    return Entailment() != Truth::True;
}

bool Equal::Propagate() {
    if (m_vars.size() < 2) {
        // A comparison with a constant, within a logical constraint.
        if (m_vars.size() == 1 && !m_vars[0]->IsInstantiated()) return FilterArg(0);
        return IsSatisfied();
    }
    Variable* a = m_vars[0];
    Variable* b = m_vars[1];
    if (a->IsInstantiated() && b->IsInstantiated()) return IsSatisfied();
    if (a->IsInstantiated() || b->IsInstantiated()) return FilterArg(a->IsInstantiated() ? 1 : 0);
    FiniteDomain* da = a->GetFiniteDomain();
    FiniteDomain* db = b->GetFiniteDomain();
    if (da == nullptr || db == nullptr) return true;
    if (da->GetSpec() == db->GetSpec()) return da->Intersect(*db) && db->Intersect(*da);
    IntVar* x = IntVarAt(0);
    IntVar* y = IntVarAt(1);
    if (x == nullptr || y == nullptr) return true;
    // Two runs of integers from the same first value put each value at the same position.
    const bool aligned = SamePositions(*x, *y);
    // Each side within the other's bounds.
    const auto keepBounds = [&] {
        if (aligned)
            return da->KeepIndexRange(db->MinIndex(), db->MaxIndex()) &&
                   db->KeepIndexRange(da->MinIndex(), da->MaxIndex());
        return x->KeepRange(y->MinInt(), y->MaxInt()) && y->KeepRange(x->MinInt(), x->MaxInt());
    };
    if (!keepBounds()) return false;
    // Two ranges with the same bounds hold the same values. y may have lost an end that x still
    // has (a hole of y's just inside x's new end): a second pass between two ranges ends that.
    if (da->IsRange() && db->IsRange()) {
        const bool same = aligned ? da->MinIndex() == db->MinIndex() && da->MaxIndex() == db->MaxIndex()
                                  : x->MinInt() == y->MinInt() && x->MaxInt() == y->MaxInt();
        return same || keepBounds();
    }
    // Holes are walked in small domains only.
    if (da->Count() > InducedIntVar::kValueFilterLimit || db->Count() > InducedIntVar::kValueFilterLimit)
        return true;
    if (aligned) return da->Intersect(*db) && db->Intersect(*da);
    return KeepAllowed(x, y) && KeepAllowed(y, x);
}

bool Equal::FilterArg(int i) {
    return m_vars[static_cast<std::size_t>(i)]->KeepValuesOf(*Other(i));
}

} // namespace GFCLib
