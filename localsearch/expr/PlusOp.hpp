#pragma once
// a + b, undefined where the exact sum leaves the int range; bounds saturated.

#include "localsearch/Arithmetic.hpp"
#include "localsearch/IntBinOp.hpp"

#include <vector>

namespace GLSLib {

class PlusOp : public IntBinOp {
public:
    PlusOp(IntObj* a, IntObj* b) : IntBinOp(a, b) {}
    std::string GetName() const override { return "+"; }
    bool IsArithmetic() override { return true; }
    IntResult Value() const override { return ExactAdd(m_left->Value(), m_right->Value()); }
    int GetMin() const override { return SaturateToInt(std::int64_t{m_left->GetMin()} + m_right->GetMin()); }
    int GetMax() const override { return SaturateToInt(std::int64_t{m_left->GetMax()} + m_right->GetMax()); }
    // The sum of all entries.
    virtual IntResult Apply(const std::vector<int>& values) const {
        std::int64_t sum = 0;
        for (int v : values)
            sum += v;
        return ExactInt(sum);
    }
};

} // namespace GLSLib
