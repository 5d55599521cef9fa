#pragma once
// a = b; distance |b - a| (64-bit).

#include "localsearch/BinArithIntCon.hpp"

#include <cstdint>

namespace GLSLib {

class Equals : public BinArithIntCon {
public:
    Equals(IntObj* a, IntObj* b) : BinArithIntCon(a, b) {}
    std::string GetName() const override { return "="; }
    DistanceResult GetDistance() const override {
        const IntResult a = m_left->Value();
        const IntResult b = m_right->Value();
        if (!a || !b) return std::nullopt;
        const std::int64_t d = static_cast<std::int64_t>(*b) - *a;
        return static_cast<double>(d < 0 ? -d : d);
    }
    // a != b; true when an operand is undefined.
    bool IsViolated() const override {
        const IntResult a = m_left->Value();
        const IntResult b = m_right->Value();
        return !a || !b || *a != *b;
    }
};

} // namespace GLSLib
