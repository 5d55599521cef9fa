#pragma once
// a >= b; distance 0 when it holds, else b - a (64-bit).

#include "localsearch/BinArithIntCon.hpp"

#include <cstdint>

namespace GLSLib {

class GreaterThanEquals : public BinArithIntCon {
public:
    GreaterThanEquals(IntObj* a, IntObj* b) : BinArithIntCon(a, b) {}
    std::string GetName() const override { return ">="; }
    DistanceResult GetDistance() const override {
        const IntResult left = m_left->Value();
        const IntResult right = m_right->Value();
        if (!left || !right) return std::nullopt;
        const std::int64_t a = *left, b = *right;
        return a >= b ? 0.0 : static_cast<double>(b - a);
    }
};

} // namespace GLSLib
