#pragma once
// a % b, remainder with the sign of a; b = 0 is undefined. Bounds fixed at construction: the
// exact smallest and largest remainder over the operands' ranges.

#include "localsearch/Arithmetic.hpp"
#include "localsearch/IntBinOp.hpp"

#include <cstdint>
#include <utility>

namespace GLSLib {

class ModOp : public IntBinOp {
public:
    ModOp(IntObj* a, IntObj* b);
    std::string GetName() const override { return "%"; }
    bool IsArithmetic() override { return true; }
    // Undefined when b is 0.
    IntResult Value() const override {
        const IntResult b = m_right->Value();
        const IntResult a = m_left->Value();
        if (!a || !b || *b == 0) return std::nullopt;
        return WrapMod(*a, *b);
    }
    int GetMin() const override { return m_lower; }
    int GetMax() const override { return m_upper; }

    // Smallest and largest p % q over p in aMin..aMax and q != 0 in bMin..bMax; both
    // 2147483647 when b's range is 0..0; (2147483647, -2147483648) when there is no pair.
    // Works per block of equal quotients, so it costs O(sqrt(range)), not the product.
    static std::pair<int, int> Bounds(int aMin, int aMax, int bMin, int bMax);

private:
    int m_upper;
    int m_lower;
};

} // namespace GLSLib
