#pragma once
// A variable over an enumerated finite domain (strings and other values).

#include "complete/FiniteVar.hpp"

namespace GFCLib {

class EnumVar : public FiniteVar {
public:
    // A variable over the registered finite domain description; throws Platform::InternalError when unknown.
    EnumVar(const char* name, const char* specName);
    int GetType() const override { return static_cast<int>(TypeCode::EnumVar); }
};

} // namespace GFCLib
