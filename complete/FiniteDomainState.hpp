#pragma once
// State of a finite domain: the positions of its domain description's universe still in the domain.
// Invariant: while m_explicit is false the domain is every position from m_min to m_max, so a
// range of any length costs nothing to hold; once a position inside is removed, m_explicit is
// set and m_bits (one bit per universe position) tells which positions of m_min .. m_max remain
// (its bits outside that range mean nothing). m_size counts the positions in the domain; the
// domain is empty exactly when it is 0, and then m_min > m_max.

#include "complete/BitVector.hpp"
#include "complete/DomainState.hpp"

#include <cstdint>

namespace GFCLib {

class FiniteDomainState : public DomainState {
public:
    FiniteDomainState() = default;
    // Every position of a universe of that size.
    explicit FiniteDomainState(std::int64_t universeSize)
        : m_max(static_cast<int>(universeSize - 1)), m_size(universeSize) {}
    DomainState* Clone() const override { return new FiniteDomainState(*this); }
    void Assign(const DomainState& other) override {
        if (this == &other) return;
        const auto& o = static_cast<const FiniteDomainState&>(other);
        m_min = o.m_min;
        m_max = o.m_max;
        m_size = o.m_size;
        m_explicit = o.m_explicit;
        if (m_explicit) m_bits = o.m_bits;
    }

    int m_min = 0;
    int m_max = -1;
    std::int64_t m_size = 0;
    bool m_explicit = false;
    BitVector m_bits;
};

} // namespace GFCLib
