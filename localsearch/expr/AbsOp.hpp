#pragma once
// |x| (|-2147483648| wraps to itself).

#include "localsearch/Arithmetic.hpp"
#include "localsearch/IntUnaryOp.hpp"

namespace GLSLib {

class AbsOp : public IntUnaryOp {
public:
    explicit AbsOp(IntObj* x) : IntUnaryOp(x) {}
    std::string GetName() const override { return "Abs"; }
    bool IsArithmetic() override { return true; }
    int GetValue() const override { return WrapAbs(m_arg->GetValue()); }
    int GetMin() const override {
        const int lo = m_arg->GetMin(), hi = m_arg->GetMax();
        if (hi <= 0) return WrapAbs(hi);
        return lo > 0 ? lo : 0;
    }
    int GetMax() const override {
        const int a = WrapAbs(m_arg->GetMin()), b = WrapAbs(m_arg->GetMax());
        return a > b ? a : b;
    }
};

} // namespace GLSLib
