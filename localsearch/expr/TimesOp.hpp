#pragma once
// a x b, undefined where the exact product leaves the int range. Bounds fixed at construction from the
// operands' extreme candidates.

#include "localsearch/Arithmetic.hpp"
#include "localsearch/IntBinOp.hpp"

#include <vector>

namespace GLSLib {

class TimesOp : public IntBinOp {
public:
    TimesOp(IntObj* a, IntObj* b);
    std::string GetName() const override { return "*"; }
    bool IsArithmetic() override { return true; }
    IntResult Value() const override { return ExactMul(m_left->Value(), m_right->Value()); }
    int GetMin() const override { return m_lower; }
    int GetMax() const override { return m_upper; }
    // Entry 0 times entry 1 (both required).
    virtual IntResult Apply(const std::vector<int>& values) const { return ExactMul(values.at(0), values.at(1)); }

private:
    int m_upper;
    int m_lower;
};

} // namespace GLSLib
