#pragma once
// a is a subset of b (set variables or set values); StrictSubset: a proper subset.

#include "complete/BinaryConstraint.hpp"

namespace GFCLib {

class SubsetCon : public BinaryConstraint {
public:
    SubsetCon() = default;
    void Init(CPObject* a, CPObject* b) { SetArgs(a, b); }
    const char* GetName() const override { return "Subset"; }
    bool IsSatisfied() const override;
    bool FilterArg(int i) override;

protected:
    virtual bool Strict() const { return false; }
};

} // namespace GFCLib
