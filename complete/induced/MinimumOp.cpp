#include "complete/induced/MinimumOp.hpp"

#include "platform/FatalError.hpp"

#include <algorithm>
#include <ostream>

namespace GFCLib {

void MinimumOp::InitList(const std::vector<CPObject*>& list, bool isMax) {
    if (list.empty()) throw Platform::InternalError("Minimum or maximum of an empty list");
    m_isMax = isMax;
    m_operands = list;
    for (CPObject* o : list)
        m_operandVars.push_back(CheckIntOperand(o));
    // Minimum: every operand value not above the smallest maximum (symmetrically for maximum).
    long long limit = isMax ? kMinInt : kMaxInt;
    for (CPObject* o : list)
        limit = isMax ? std::max(limit, MinOf(o)) : std::min(limit, MaxOf(o));
    long long count = 0;
    for (CPObject* o : list)
        count += CountOf(o);
    if (count > kMaxDomainSize) {
        // Too many values to list: every integer between the extreme operand value and the limit.
        long long extreme = limit;
        for (CPObject* o : list)
            extreme = isMax ? std::max(extreme, MaxOf(o)) : std::min(extreme, MinOf(o));
        SetComputedRange(isMax ? limit : extreme, isMax ? extreme : limit);
    } else {
        std::vector<int> values;
        for (CPObject* o : list)
            ForEachInt(o, [&](long long v) {
                if (isMax ? v >= limit : v <= limit) values.push_back(static_cast<int>(v));
            });
        SetComputedDomain(std::move(values));
    }
    Define(this, list);
}

void MinimumOp::PrintExpr(std::ostream& os) const {
    os << (m_isMax ? "Max(" : "Min(");
    PrintList(os, m_operands);
    os << ")";
}

bool MinimumOp::Holds() const {
    long long best = ValueOf(m_operands.front());
    for (const CPObject* o : m_operands)
        best = m_isMax ? std::max(best, ValueOf(o)) : std::min(best, ValueOf(o));
    return best == GetInt();
}

bool MinimumOp::Propagate() {
    long long lo = m_isMax ? kMinInt : kMaxInt;
    long long hi = m_isMax ? kMinInt : kMaxInt;
    for (const CPObject* o : m_operands) {
        if (m_isMax) {
            lo = std::max(lo, MinOf(o));
            hi = std::max(hi, MaxOf(o));
        } else {
            lo = std::min(lo, MinOf(o));
            hi = std::min(hi, MaxOf(o));
        }
    }
    if (IsInstantiated()) {
        if (GetInt() < lo || GetInt() > hi) return false;
    } else if (!KeepRange(lo, hi)) {
        return false;
    }
    for (IntVar* x : m_operandVars) {
        if (x == nullptr || x->IsInstantiated()) continue;
        if (m_isMax ? !x->KeepAtMost(MaxInt()) : !x->KeepAtLeast(MinInt())) return false;
    }
    return true;
}

} // namespace GFCLib
