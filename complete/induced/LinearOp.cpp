#include "complete/induced/LinearOp.hpp"

#include "platform/FatalError.hpp"

#include <algorithm>
#include <ostream>

namespace GFCLib {

namespace {
using Int128 = __int128;

// Sums below this size stay exact in 64 bits.
constexpr long long kNarrowLimit = 1LL << 62;
// Bounds passes per forward check at most: a linear equation over large domains can shrink a
// little at each pass for a long time, and stopping early only leaves more values.
constexpr int kMaxRounds = 32;

template <typename W> W FloorDiv(W a, W b) {
    W q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}
template <typename W> W CeilDiv(W a, W b) {
    return -FloorDiv<W>(-a, b);
}
template <typename W> long long Clamp(W v) {
    if (v > static_cast<W>(kNarrowLimit)) return kNarrowLimit;
    if (v < -static_cast<W>(kNarrowLimit)) return -kNarrowLimit;
    return static_cast<long long>(v);
}
Int128 Abs(Int128 v) {
    return v < 0 ? -v : v;
}
} // namespace

void LinearOp::InitTerms(const std::vector<CPObject*>& operands, const std::vector<long long>& coefficients,
                         long long constant) {
    if (operands.size() != coefficients.size())
        throw Platform::InternalError("Scalar product with unequal numbers of terms and coefficients");
    Int128 b = constant;
    for (std::size_t i = 0; i < operands.size(); ++i) {
        IntVar* x = CheckIntOperand(operands[i]);
        const long long c = coefficients[i];
        if (x == nullptr) {
            b += static_cast<Int128>(c) * operands[i]->GetValue().GetInt();
            continue;
        }
        auto at = std::find(m_terms.begin(), m_terms.end(), x);
        if (at != m_terms.end()) {
            m_coefficients[static_cast<std::size_t>(at - m_terms.begin())] += c;
        } else {
            m_terms.push_back(x);
            m_coefficients.push_back(c);
        }
    }
    for (std::size_t i = m_terms.size(); i-- > 0;)
        if (m_coefficients[i] == 0) {
            m_terms.erase(m_terms.begin() + static_cast<long>(i));
            m_coefficients.erase(m_coefficients.begin() + static_cast<long>(i));
        }
    if (Abs(b) >= kNarrowLimit) throw Platform::ResourceError("Expression domain too large");
    m_constant = static_cast<long long>(b);
    Int128 lo = b;
    Int128 hi = b;
    Int128 magnitude = Abs(b);
    for (std::size_t i = 0; i < m_terms.size(); ++i) {
        const Int128 c = m_coefficients[i];
        const Int128 p = c * m_terms[i]->MinInt();
        const Int128 q = c * m_terms[i]->MaxInt();
        lo += std::min(p, q);
        hi += std::max(p, q);
        magnitude += std::max(Abs(p), Abs(q));
    }
    m_wide = magnitude >= kNarrowLimit;
    m_leavesIntRange = lo < m_saturationLow || hi > m_saturationHigh;
    if (m_saturating)
        SetComputedRange(std::clamp<long long>(Clamp(lo), m_saturationLow, m_saturationHigh),
                         std::clamp<long long>(Clamp(hi), m_saturationLow, m_saturationHigh));
    else
        SetComputedRange(Clamp(lo), Clamp(hi));
    Define(this, std::vector<CPObject*>(m_terms.begin(), m_terms.end()));
}

void LinearOp::PrintExpr(std::ostream& os) const {
    os << FunctionName() << "(";
    for (std::size_t i = 0; i < m_terms.size(); ++i) {
        if (i > 0) os << ",";
        m_terms[i]->PrintName(os);
    }
    os << ";";
    for (std::size_t i = 0; i < m_coefficients.size(); ++i)
        os << (i > 0 ? "," : "") << m_coefficients[i];
    if (m_constant != 0) os << ";" << m_constant;
    os << ")";
}

template <typename W> long long LinearOp::ValueOfSum(W sum) const {
    if (m_saturating) {
        if (sum < static_cast<W>(m_saturationLow)) return m_saturationLow;
        if (sum > static_cast<W>(m_saturationHigh)) return m_saturationHigh;
    }
    return Clamp(sum);
}

bool LinearOp::Holds() const {
    Int128 sum = m_constant;
    for (std::size_t i = 0; i < m_terms.size(); ++i)
        sum += static_cast<Int128>(m_coefficients[i]) * m_terms[i]->GetInt();
    return ValueOfSum(sum) == GetInt();
}

IntVar* LinearOp::ViewOf(long long& coefficient) const {
    if (m_terms.size() != 1 || (m_coefficients[0] != 1 && m_coefficients[0] != -1)) return nullptr;
    coefficient = m_coefficients[0];
    return m_terms[0];
}

bool LinearOp::Propagate() {
    bool lastTerm = false;
    if (!(m_wide ? PropagateBounds<Int128>(lastTerm) : PropagateBounds<long long>(lastTerm))) return false;
    return !lastTerm || (m_wide ? FilterLastTerm<Int128>() : FilterLastTerm<long long>());
}

template <typename Wide> bool LinearOp::PropagateBounds(bool& lastTerm) {
    const std::size_t n = m_terms.size();
    // The sums of the terms' least and greatest contributions, the unbound terms and the widest
    // contribution among them. The first round reads them; a narrowing round then updates them
    // term by term as it narrows, which gives what reading them again would.
    Wide sumLo = m_constant;
    Wide sumHi = m_constant;
    int unbound = 0;
    Wide widest = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const IntVar* x = m_terms[i];
        const Wide c = m_coefficients[i];
        if (x->IsInstantiated()) {
            const Wide v = c * x->GetInt();
            sumLo += v;
            sumHi += v;
            continue;
        }
        const Wide p = c * x->MinInt();
        const Wide q = c * x->MaxInt();
        sumLo += std::min(p, q);
        sumHi += std::max(p, q);
        if (p != q) {
            ++unbound;
            widest = std::max(widest, std::max(p, q) - std::min(p, q));
        }
    }
    for (int round = 0;; ++round) {
        if (IsInstantiated()) {
            if (GetInt() < ValueOfSum(sumLo) || GetInt() > ValueOfSum(sumHi)) return false;
        } else if (!KeepRange(ValueOfSum(sumLo), ValueOfSum(sumHi))) {
            return false;
        }
        if (unbound == 0) return true;
        const Wide zLo = MinInt();
        const Wide zHi = MaxInt();
        // A term's contribution narrows only when the room the others leave it is less than its
        // width: when no term is that wide the pass below would change nothing.
        if (zHi - sumLo >= widest && sumHi - zLo >= widest) {
            lastTerm = unbound == 1;
            return true;
        }
        // A saturated end bounds nothing: every sum beyond it gives that end.
        const bool openBelow = m_saturating && zLo <= m_saturationLow;
        const bool openAbove = m_saturating && zHi >= m_saturationHigh;
        bool changed = false;
        Wide nextLo = sumLo;
        Wide nextHi = sumHi;
        int nextUnbound = unbound;
        Wide nextWidest = 0;
        for (std::size_t i = 0; i < n; ++i) {
            IntVar* x = m_terms[i];
            if (x->IsInstantiated()) continue;
            const Wide c = m_coefficients[i];
            const Wide p = c * x->MinInt();
            const Wide q = c * x->MaxInt();
            // zLo <= rest + c x <= zHi, with rest between the others' sums.
            const Wide lo = zLo - (sumHi - std::max(p, q));
            const Wide hi = zHi - (sumLo - std::min(p, q));
            const bool loOpen = c > 0 ? openBelow : openAbove;
            const bool hiOpen = c > 0 ? openAbove : openBelow;
            // Unit coefficients (differences, sums) need no division.
            const Wide xLo = loOpen   ? Wide(x->MinInt())
                             : c == 1  ? lo
                             : c == -1 ? -hi
                             : c > 0   ? CeilDiv<Wide>(lo, c)
                                       : CeilDiv<Wide>(hi, c);
            const Wide xHi = hiOpen   ? Wide(x->MaxInt())
                             : c == 1  ? hi
                             : c == -1 ? -lo
                             : c > 0   ? FloorDiv<Wide>(hi, c)
                                       : FloorDiv<Wide>(lo, c);
            if (xLo > x->MinInt() || xHi < x->MaxInt()) {
                if (!x->KeepRange(Clamp(xLo), Clamp(xHi))) return false;
                changed = true;
                const Wide p2 = c * x->MinInt();
                const Wide q2 = c * x->MaxInt();
                nextLo += std::min(p2, q2) - std::min(p, q);
                nextHi += std::max(p2, q2) - std::max(p, q);
                if (p2 == q2) {
                    if (p != q) --nextUnbound;
                    continue;
                }
                nextWidest = std::max(nextWidest, std::max(p2, q2) - std::min(p2, q2));
            } else {
                nextWidest = std::max(nextWidest, std::max(p, q) - std::min(p, q));
            }
        }
        if (!changed || round + 1 >= kMaxRounds) {
            lastTerm = unbound == 1;
            return true;
        }
        sumLo = nextLo;
        sumHi = nextHi;
        unbound = nextUnbound;
        widest = nextWidest;
    }
}

template <typename Wide> bool LinearOp::FilterLastTerm() {
    // Every other term is fixed: the result is rest + c x, and each side keeps what the other
    // can match (bounds alone miss the holes of either).
    std::size_t k = 0;
    Wide rest = m_constant;
    for (std::size_t i = 0; i < m_terms.size(); ++i) {
        if (m_terms[i]->IsFixed())
            rest += static_cast<Wide>(m_coefficients[i]) * m_terms[i]->MinInt();
        else
            k = i;
    }
    IntVar* x = m_terms[k];
    const Wide c = m_coefficients[k];
    if (IsFixed()) {
        const long long z = MinInt();
        if (m_saturating && (z == m_saturationLow || z == m_saturationHigh)) {
            // rest + c x at or beyond that end.
            const Wide t = z - rest;
            const bool atLeast = (z == m_saturationHigh) == (c > 0);
            return atLeast ? x->KeepAtLeast(Clamp(CeilDiv<Wide>(t, c)))
                           : x->KeepAtMost(Clamp(FloorDiv<Wide>(t, c)));
        }
        const Wide t = z - rest;
        if (t % c != 0) return false;
        return x->KeepInt(Clamp(t / c));
    }
    FiniteDomain& dx = x->GetDomain();
    const IntDomainSpec* sx = x->GetIntSpec();
    // Holes matter only in a term small enough to walk (bounds did the rest), and not at all
    // when neither side has any and the term's values map one to one onto consecutive results.
    if (dx.Count() > kValueFilterLimit) return true;
    if ((c == 1 || c == -1) && dx.IsRange() && m_domain.IsRange()) return true;
    const bool marking = m_domain.UniverseSize() <= kMarkableUniverse;
    BitVector* mark = marking ? &Scratch() : nullptr;
    for (int p = dx.MinIndex(); p >= 0; p = dx.NextAfter(p)) {
        const int position = m_intSpec->IndexOfInt(ValueOfSum(rest + c * sx->IntAt(p)));
        if (!m_domain.Contains(position))
            (void)dx.Remove(p);
        else if (marking)
            mark->Set(position, true);
    }
    if (dx.IsEmpty()) return false;
    if (marking) return m_domain.KeepMarked(*mark);
    // The result's universe is too large to mark: its values are walked when they are few.
    if (m_domain.Count() > kValueFilterLimit) return true;
    for (int p = m_domain.MinIndex(); p >= 0; p = m_domain.NextAfter(p)) {
        const long long z = m_intSpec->IntAt(p);
        // A saturated end stands for every sum beyond it: it stays while the bounds allow it.
        if (m_saturating && (z == m_saturationLow || z == m_saturationHigh)) continue;
        const Wide t = z - rest;
        if (t % c != 0 || !x->ContainsInt(Clamp(t / c))) (void)m_domain.Remove(p);
    }
    return !m_domain.IsEmpty();
}

} // namespace GFCLib
