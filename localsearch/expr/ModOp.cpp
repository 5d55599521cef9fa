#include "localsearch/expr/ModOp.hpp"

#include <algorithm>
#include <climits>

namespace GLSLib {

namespace {

using i64 = std::int64_t;

// Smallest p mod m over p in pl..ph (0 <= pl <= ph) and m in ml..mh (1 <= ml <= mh).
// Within a block of m with equal quotient k = pl / m, pl mod m = pl - k m falls as m grows,
// and some p in the range is a multiple of m exactly when (k + 1) m <= ph.
i64 MinResidue(i64 pl, i64 ph, i64 ml, i64 mh) {
    if (pl == 0) return 0;
    i64 best = INT64_MAX;
    for (i64 m = ml; m <= mh;) {
        const i64 k = pl / m;
        if (k == 0) return m <= ph ? 0 : std::min(best, pl); // every m in m..mh exceeds pl
        const i64 last = std::min(mh, pl / k);
        if (m <= ph / (k + 1)) return 0;
        best = std::min(best, pl - k * last);
        if (best == 0) return 0;
        m = last + 1;
    }
    return best;
}

// Largest p mod m over the same ranges. Within a block of equal quotient k = ph / m, ph mod m
// is largest at the smallest m, and m - 1 is reached when k m - 1 lies in the range.
i64 MaxResidue(i64 pl, i64 ph, i64 ml, i64 mh) {
    if (mh > ph) return ph; // a divisor above ph leaves ph itself
    i64 best = -1;
    for (i64 m = ml; m <= mh;) {
        const i64 k = ph / m;
        const i64 last = std::min(mh, ph / k);
        best = std::max(best, ph - k * m);
        if (k * last >= pl + 1) best = std::max(best, last - 1);
        m = last + 1;
    }
    return best;
}

} // namespace

std::pair<int, int> ModOp::Bounds(int aMin, int aMax, int bMin, int bMax) {
    if (bMin == 0 && bMax == 0) return {INT_MAX, INT_MAX};
    if (aMin > aMax || bMin > bMax) return {INT_MAX, INT_MIN};
    // The remainder depends only on |q|, and the |q| of a range without 0 form one range.
    i64 ml, mh;
    if (bMin > 0) {
        ml = bMin;
        mh = bMax;
    } else if (bMax < 0) {
        ml = -static_cast<i64>(bMax);
        mh = -static_cast<i64>(bMin);
    } else {
        ml = 1;
        mh = std::max(-static_cast<i64>(bMin), static_cast<i64>(bMax));
    }
    i64 lower = INT_MAX, upper = INT_MIN;
    if (aMax >= 0) {
        const i64 pl = std::max(aMin, 0), ph = aMax;
        lower = std::min(lower, MinResidue(pl, ph, ml, mh));
        upper = std::max(upper, MaxResidue(pl, ph, ml, mh));
    }
    if (aMin < 0) {
        const i64 nl = aMax >= 0 ? 1 : -static_cast<i64>(aMax), nh = -static_cast<i64>(aMin);
        lower = std::min(lower, -MaxResidue(nl, nh, ml, mh));
        upper = std::max(upper, -MinResidue(nl, nh, ml, mh));
    }
    return {static_cast<int>(lower), static_cast<int>(upper)};
}

ModOp::ModOp(IntObj* a, IntObj* b) : IntBinOp(a, b) {
    const auto [lower, upper] = Bounds(a->GetMin(), a->GetMax(), b->GetMin(), b->GetMax());
    m_lower = lower;
    m_upper = upper;
}

} // namespace GLSLib
