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
    IntResult Value() const override {
        const IntResult base = m_arg->Value();
        const IntResult exponent = m_exponent->Value();
        if (!base || !exponent) return std::nullopt;
        return Apply(*base, *exponent);
    }
    int GetMin() const override { return m_lower; }
    int GetMax() const override { return m_upper; }
    IntObj* GetExponent() const { return m_exponent; }

    // base to the power of exponent; undefined outside the int range.
    static IntResult Apply(int base, int exponent);

private:
    int m_upper;
    int m_lower;
    IntObj* m_exponent;
};

} // namespace GLSLib
