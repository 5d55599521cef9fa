#pragma once
// a / b, quotient truncated toward zero; b = 0 is undefined. Bounds fixed at construction
// from the operands' extreme candidates (divisor candidates 0 skipped).

#include "localsearch/Arithmetic.hpp"
#include "localsearch/IntBinOp.hpp"

namespace GLSLib {

class DivOp : public IntBinOp {
public:
    DivOp(IntObj* a, IntObj* b);
    std::string GetName() const override { return "/"; }
    bool IsArithmetic() override { return true; }
    // Undefined when b is 0 and for -2147483648 / -1 (outside the int range).
    IntResult Value() const override {
        const IntResult b = m_right->Value();
        const IntResult a = m_left->Value();
        if (!a || !b || *b == 0) return std::nullopt;
        return ExactInt(static_cast<std::int64_t>(*a) / *b);
    }
    int GetMin() const override { return m_lower; }
    int GetMax() const override { return m_upper; }

private:
    int m_upper;
    int m_lower;
};

} // namespace GLSLib
