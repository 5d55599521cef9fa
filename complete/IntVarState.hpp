#pragma once
// Saved state of an integer variable.

#include "complete/FiniteVarState.hpp"

namespace GFCLib {

class IntVarState : public FiniteVarState {
public:
    VarState* Clone() const override { return new IntVarState(*this); }
};

} // namespace GFCLib
