#pragma once
// a - b, wrapping at 32 bits.

#include "localsearch/Arithmetic.hpp"
#include "localsearch/IntBinOp.hpp"

#include <vector>

namespace GLSLib {

class MinusOp : public IntBinOp {
public:
    MinusOp(IntObj* a, IntObj* b) : IntBinOp(a, b) {}
    std::string GetName() const override { return "-"; }
    bool IsArithmetic() override { return true; }
    int GetValue() const override { return WrapSub(m_left->GetValue(), m_right->GetValue()); }
    int GetMin() const override { return WrapSub(m_left->GetMin(), m_right->GetMax()); }
    int GetMax() const override { return WrapSub(m_left->GetMax(), m_right->GetMin()); }
    // Entry 0 minus entry 1 (both required).
    virtual int Apply(const std::vector<int>& values) const { return WrapSub(values.at(0), values.at(1)); }
};

} // namespace GLSLib
