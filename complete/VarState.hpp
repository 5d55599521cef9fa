#pragma once
// Saved state of a variable: whether it is bound and its value. Cloned and assigned by the
// search to undo a level.

#include "complete/Value.hpp"

namespace GFCLib {

class VarState {
public:
    virtual ~VarState() = default;
    // A new state of the same class and contents, owned by the caller.
    virtual VarState* Clone() const { return new VarState(*this); }
    // Copies other (of the same class); self-assignment does nothing.
    virtual void Assign(const VarState& other) {
        if (this == &other) return;
        m_instantiated = other.m_instantiated;
        m_value = other.m_value;
    }

    bool m_instantiated = false;
    Value m_value;
};

} // namespace GFCLib
