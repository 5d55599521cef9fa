#pragma once
// base to the power of exponent, computed in doubles and truncated toward zero to an int;
// undefined where the power leaves the int range (or is not a number). The exponent is not an
// argument of the graph (it is a constant in every model the builders make); bounds use its
// value at construction.

#include "localsearch/IntUnaryOp.hpp"

namespace GLSLib {

class Power : public IntUnaryOp {
public:
    Power(IntObj* base, IntObj* exponent);
    std::string GetName() const override { return "Power"; }
    bool IsArithmetic() override { return true; }
    int GetValue() const override { return Apply(m_arg->GetValue(), m_exponent->GetValue()); }
    int GetMin() const override { return m_lower; }
    int GetMax() const override { return m_upper; }
    IntObj* GetExponent() const { return m_exponent; }

    // base to the power of exponent. Throws Obj::Undef outside the int range.
    static int Apply(int base, int exponent);

private:
    int m_upper;
    int m_lower;
    IntObj* m_exponent;
};

} // namespace GLSLib
