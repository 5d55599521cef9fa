#pragma once
// Saved state of a set variable: the current set and whether its enumeration has started.

#include "complete/VarState.hpp"

namespace GFCLib {

class SetVarState : public VarState {
public:
    VarState* Clone() const override { return new SetVarState(*this); }
    void Assign(const VarState& other) override {
        if (this == &other) return;
        VarState::Assign(other);
        m_started = static_cast<const SetVarState&>(other).m_started;
    }

    bool m_started = false; // false: the next value is the first set of the domain
};

} // namespace GFCLib
