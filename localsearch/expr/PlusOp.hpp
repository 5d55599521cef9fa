#pragma once
// a + b, wrapping at 32 bits.

#include "localsearch/Arithmetic.hpp"
#include "localsearch/IntBinOp.hpp"

#include <vector>

namespace GLSLib {

class PlusOp : public IntBinOp {
public:
    PlusOp(IntObj* a, IntObj* b) : IntBinOp(a, b) {}
    std::string GetName() const override { return "+"; }
    bool IsArithmetic() override { return true; }
    int GetValue() const override { return WrapAdd(m_left->GetValue(), m_right->GetValue()); }
    int GetMin() const override { return WrapAdd(m_left->GetMin(), m_right->GetMin()); }
    int GetMax() const override { return WrapAdd(m_left->GetMax(), m_right->GetMax()); }
    // The sum of all entries.
    virtual int Apply(const std::vector<int>& values) const {
        int sum = 0;
        for (int v : values)
            sum = WrapAdd(sum, v);
        return sum;
    }
};

} // namespace GLSLib
