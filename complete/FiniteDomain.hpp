#pragma once
// A finite domain: a subset of the positions of a domain description's universe. Integer domain descriptions
// keep their universe sorted, so positions order like values. An interval domain is filtered by its bounds
// only by the default forward filter; ExpandDomain makes it enumerated (every value filtered).
// A domain is held by its bounds until a value inside them is removed, so a range of two
// billion values costs as little as one of ten; removing inside a range of more than
// kMaxExplicitSize values is refused.
// Every narrowing operation answers true when the domain is not empty afterwards. While a
// search level is open on the attached trail, the first change in each level saves the state
// there, so the search undoes a level by restoring only what changed, and every change that
// leaves values is told to the trail's listener.

#include "complete/FiniteDomainSpec.hpp"
#include "complete/FiniteDomainState.hpp"

#include <bit>
#include <cstdint>
#include <iosfwd>

namespace GFCLib {

class Trail;
class Variable;

class FiniteDomain {
public:
    // Most values a domain may hold one by one (a bit each).
    static constexpr std::int64_t kMaxExplicitSize = std::int64_t{1} << 24;

    FiniteDomain() = default;
    explicit FiniteDomain(FiniteDomainSpec* spec) { Bind(spec); }
    FiniteDomain(const FiniteDomain&) = delete;
    FiniteDomain& operator=(const FiniteDomain&) = delete;
    // Makes this the full domain of domain description.
    void Bind(FiniteDomainSpec* spec);

    FiniteDomainSpec* GetSpec() const { return m_spec; }
    bool IsEnumerated() const { return m_enumerated; }
    // Makes the domain enumerated; throws Platform::ResourceError (naming `owner`) when it has
    // more than kMaxExplicitSize values.
    void Expand(const char* owner = nullptr);
    // Number of values left (saturated at the largest int).
    int Size() const { return m_state.m_size > INT32_MAX ? INT32_MAX : static_cast<int>(m_state.m_size); }
    std::int64_t Count() const { return m_state.m_size; }
    bool IsEmpty() const { return m_state.m_size == 0; }
    std::int64_t UniverseSize() const { return m_spec != nullptr ? m_spec->UniverseSize() : 0; }
    bool Contains(int index) const {
        return index >= m_state.m_min && index <= m_state.m_max &&
               (!m_state.m_explicit || m_state.m_bits.Test(index));
    }
    bool ContainsValue(const Value& value) const;
    int IndexOf(const Value& value) const { return m_spec != nullptr ? m_spec->IndexOf(value) : -1; }
    Value ValueAt(int index) const { return m_spec->At(index); }
    // First and last position in the domain, or -1 when it is empty.
    int MinIndex() const { return IsEmpty() ? -1 : m_state.m_min; }
    int MaxIndex() const { return IsEmpty() ? -1 : m_state.m_max; }
    // First position in the domain at or after from (last at or before from), or -1.
    int NextIndex(int from) const;
    int PrevIndex(int from) const;
    // First position after `index` (last before it), or -1; a universe of 2^31 values ends at
    // the largest int, so the position past it is not formed.
    int NextAfter(int index) const { return index == INT32_MAX ? -1 : NextIndex(index + 1); }
    int PrevBefore(int index) const { return index == INT32_MIN ? -1 : PrevIndex(index - 1); }
    // Position of the k-th remaining value (k from 0), or -1.
    int KthIndex(int k) const;
    // True when the domain is every position from its minimum to its maximum.
    bool IsRange() const {
        return !m_state.m_explicit ||
               m_state.m_size == static_cast<std::int64_t>(m_state.m_max) - m_state.m_min + 1;
    }
    // Calls f(position) for every position in increasing order; f may remove the position it is
    // given (and no other).
    template <typename F> void ForEachIndex(F&& f) const {
        if (IsEmpty()) return;
        const int lo = m_state.m_min;
        const int hi = m_state.m_max;
        if (!m_state.m_explicit) {
            for (long long p = lo; p <= hi; ++p)
                f(static_cast<int>(p));
            return;
        }
        const std::uint32_t* words = m_state.m_bits.Words();
        for (int w = lo / BitVector::kBitsPerWord; w <= hi / BitVector::kBitsPerWord; ++w) {
            std::uint32_t word = words[w];
            while (word != 0) {
                const int p = w * BitVector::kBitsPerWord + std::countr_zero(word);
                word &= word - 1;
                if (p < lo) continue;
                if (p > hi) return;
                f(p);
            }
        }
    }

    // Calls f(position) for every position of the universe that is not in the domain, in
    // increasing order; f must not change this domain.
    template <typename F> void ForEachMissing(F&& f) const {
        const std::int64_t n = UniverseSize();
        if (IsEmpty()) {
            for (std::int64_t p = 0; p < n; ++p)
                f(static_cast<int>(p));
            return;
        }
        for (int p = 0; p < m_state.m_min; ++p)
            f(p);
        if (m_state.m_explicit) {
            const std::uint32_t* words = m_state.m_bits.Words();
            const int lo = m_state.m_min;
            const int hi = m_state.m_max;
            for (int w = lo / BitVector::kBitsPerWord; w <= hi / BitVector::kBitsPerWord; ++w) {
                std::uint32_t word = ~words[w];
                while (word != 0) {
                    const int p = w * BitVector::kBitsPerWord + std::countr_zero(word);
                    word &= word - 1;
                    if (p > lo && p < hi) f(p);
                }
            }
        }
        for (std::int64_t p = static_cast<std::int64_t>(m_state.m_max) + 1; p < n; ++p)
            f(static_cast<int>(p));
    }

    [[nodiscard]] bool Remove(int index);
    [[nodiscard]] bool RemoveValue(const Value& value);
    [[nodiscard]] bool KeepOnly(int index);
    [[nodiscard]] bool KeepValue(const Value& value);
    // Keeps positions lo .. hi only.
    [[nodiscard]] bool KeepIndexRange(int lo, int hi) {
        // Most calls from propagation change nothing: answered here.
        if (m_state.m_size > 0 && lo <= m_state.m_min && hi >= m_state.m_max) return true;
        return NarrowToIndexRange(lo, hi);
    }
    // Keeps the positions of another domain over the same domain description.
    [[nodiscard]] bool Intersect(const FiniteDomain& other);
    // Keeps the positions whose bit is set in marks (one bit per universe position).
    [[nodiscard]] bool KeepMarked(const BitVector& marks);
    // Empties the domain.
    void Clear();
    // Sets the bit of every position of the domain in bits (one bit per universe position).
    void AddTo(BitVector& bits) const;

    // Changes are saved on this trail from now on (null: not saved); owner is the variable
    // whose domain this is.
    void AttachTrail(Trail* trail, Variable* owner) {
        m_trail = trail;
        m_owner = owner;
    }
    Trail* GetTrail() const { return m_trail; }
    Variable* GetOwner() const { return m_owner; }

    // The state for copying whole (Clone and Assign); change the domain through the operations
    // above, so that the trail sees every change.
    FiniteDomainState& GetState() { return m_state; }
    const FiniteDomainState& GetState() const { return m_state; }
    // Writes "{v1,v2,...}".
    void Print(std::ostream& os) const;

private:
    friend class Trail;
    // Saves the state on the trail before the first change in the open level.
    void Touch();
    // After a change that left values: tells the trail's listener what changed, with the ends
    // before the change; inside when positions within the new ends may have gone (a change that
    // keeps both ends always removes inside).
    void Notify(int oldMin, int oldMax, bool inside = false);
    // KeepIndexRange when it may remove positions.
    [[nodiscard]] bool NarrowToIndexRange(int lo, int hi);
    // Holds the domain bit by bit from now on.
    void MakeExplicit();
    // Recomputes size, minimum and maximum from the bits within lo .. hi.
    bool Recount(int lo, int hi);

    FiniteDomainSpec* m_spec = nullptr;
    bool m_enumerated = true;
    FiniteDomainState m_state;
    Trail* m_trail = nullptr;
    Variable* m_owner = nullptr;
    std::uint64_t m_stamp = 0; // the trail stamp of the level that last saved this domain
};

} // namespace GFCLib
