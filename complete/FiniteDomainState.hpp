#pragma once
// State of a finite domain: the positions of its spec's universe still in the domain.

#include "complete/BitVector.hpp"
#include "complete/DomainState.hpp"

namespace GFCLib {

class FiniteDomainState : public DomainState {
public:
    FiniteDomainState() = default;
    explicit FiniteDomainState(int universeSize) : m_bits(universeSize, true) {}
    DomainState* Clone() const override { return new FiniteDomainState(*this); }
    void Assign(const DomainState& other) override {
        if (this != &other) m_bits = static_cast<const FiniteDomainState&>(other).m_bits;
    }
    BitVector& Bits() { return m_bits; }
    const BitVector& Bits() const { return m_bits; }

private:
    BitVector m_bits;
};

} // namespace GFCLib
