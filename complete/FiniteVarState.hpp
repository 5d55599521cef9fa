#pragma once
// Saved state of a finite variable: adds the position of the current value in the universe
// (-1: before the first value).

#include "complete/VarState.hpp"

namespace GFCLib {

class FiniteVarState : public VarState {
public:
    VarState* Clone() const override { return new FiniteVarState(*this); }
    void Assign(const VarState& other) override {
        if (this == &other) return;
        VarState::Assign(other);
        m_index = static_cast<const FiniteVarState&>(other).m_index;
    }

    int m_index = -1;
};

} // namespace GFCLib
