#pragma once
// |x|; |-2147483648| lies outside the int range and is undefined. Bounds saturated.

#include "localsearch/Arithmetic.hpp"
#include "localsearch/IntUnaryOp.hpp"

#include <cstdlib>

namespace GLSLib {

class AbsOp : public IntUnaryOp {
public:
    explicit AbsOp(IntObj* x) : IntUnaryOp(x) {}
    std::string GetName() const override { return "Abs"; }
    bool IsArithmetic() override { return true; }
    IntResult Value() const override { return ExactAbs(m_arg->Value()); }
    int GetMin() const override {
        const int lo = m_arg->GetMin(), hi = m_arg->GetMax();
        if (hi <= 0) return SaturateToInt(-static_cast<std::int64_t>(hi));
        return lo > 0 ? lo : 0;
    }
    int GetMax() const override {
        const std::int64_t a = std::abs(static_cast<std::int64_t>(m_arg->GetMin()));
        const std::int64_t b = std::abs(static_cast<std::int64_t>(m_arg->GetMax()));
        return SaturateToInt(a > b ? a : b);
    }
};

} // namespace GLSLib
