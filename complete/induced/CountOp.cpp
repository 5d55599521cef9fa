#include "complete/induced/CountOp.hpp"

#include "complete/FiniteDomain.hpp"
#include "platform/FatalError.hpp"

#include <ostream>

namespace GFCLib {

void CountOp::InitCount(const std::vector<CPObject*>& list, const std::vector<Value>& values) {
    for (CPObject* o : list)
        if (o == nullptr) throw Platform::InternalError("Missing operand of Count");
    m_operands = list;
    m_values = values;
    for (CPObject* o : list)
        if (o->IsVariable()) static_cast<Variable*>(o)->ExpandDomain();
    SetComputedRange(0, static_cast<long long>(list.size()));
    Define(this, list);
}

bool CountOp::Counted(const Value& v) const {
    for (const Value& c : m_values)
        if (c == v) return true;
    return false;
}

void CountOp::PrintExpr(std::ostream& os) const {
    os << "Count(";
    PrintList(os, m_operands);
    os << ";";
    for (std::size_t i = 0; i < m_values.size(); ++i)
        os << (i > 0 ? "," : "") << m_values[i];
    os << ")";
}

bool CountOp::Holds() const {
    int n = 0;
    for (const CPObject* o : m_operands)
        n += Counted(o->GetValue()) ? 1 : 0;
    return n == GetInt();
}

bool CountOp::Propagate() {
    int sure = 0;
    int maybe = 0;
    std::vector<Variable*> open; // unbound operands that may or may not be counted
    for (CPObject* o : m_operands) {
        if (o->IsBound()) {
            sure += Counted(o->GetValue()) ? 1 : 0;
            continue;
        }
        auto* v = static_cast<Variable*>(o);
        const FiniteDomain* d = v->GetFiniteDomain();
        if (d == nullptr) continue;
        bool some = false;
        bool all = true;
        for (int p = d->MinIndex(); p >= 0; p = d->NextIndex(p + 1)) {
            const bool c = Counted(d->ValueAt(p));
            some = some || c;
            all = all && c;
        }
        if (all)
            ++sure;
        else if (some) {
            ++maybe;
            open.push_back(v);
        }
    }
    if (IsInstantiated()) {
        if (GetInt() < sure || GetInt() > sure + maybe) return false;
    } else if (!KeepRange(sure, sure + maybe)) {
        return false;
    }
    const bool forbid = MaxInt() == sure;
    const bool force = MinInt() == sure + maybe;
    if (!forbid && !force) return true;
    for (Variable* v : open) {
        FiniteDomain* d = v->GetFiniteDomain();
        for (int p = d->MinIndex(); p >= 0; p = d->NextIndex(p + 1))
            if (Counted(d->ValueAt(p)) == forbid) (void)d->Remove(p);
        if (d->IsEmpty()) return false;
    }
    return true;
}

} // namespace GFCLib
