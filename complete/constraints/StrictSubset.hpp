#pragma once
// a is a proper subset of b.

#include "complete/constraints/SubsetCon.hpp"

namespace GFCLib {

class StrictSubset : public SubsetCon {
public:
    const char* GetName() const override { return "StrictSubset"; }

protected:
    bool Strict() const override { return true; }
};

} // namespace GFCLib
