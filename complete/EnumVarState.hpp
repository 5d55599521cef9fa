#pragma once
// Saved state of an enumerated variable.

#include "complete/FiniteVarState.hpp"

namespace GFCLib {

class EnumVarState : public FiniteVarState {
public:
    VarState* Clone() const override { return new EnumVarState(*this); }
};

} // namespace GFCLib
