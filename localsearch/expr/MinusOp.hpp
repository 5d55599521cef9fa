#pragma once
// a - b, undefined where the exact difference leaves the int range; bounds saturated.

#include "localsearch/Arithmetic.hpp"
#include "localsearch/IntBinOp.hpp"

#include <vector>

namespace GLSLib {

class MinusOp : public IntBinOp {
public:
    MinusOp(IntObj* a, IntObj* b) : IntBinOp(a, b) {}
    std::string GetName() const override { return "-"; }
    bool IsArithmetic() override { return true; }
    IntResult Value() const override { return ExactSub(m_left->Value(), m_right->Value()); }
    int GetMin() const override { return SaturateToInt(std::int64_t{m_left->GetMin()} - m_right->GetMax()); }
    int GetMax() const override { return SaturateToInt(std::int64_t{m_left->GetMax()} - m_right->GetMin()); }
    // Entry 0 minus entry 1 (both required).
    virtual IntResult Apply(const std::vector<int>& values) const { return ExactSub(values.at(0), values.at(1)); }
};

} // namespace GLSLib
