#pragma once
// a = b; distance |b - a| (64-bit).

#include "localsearch/BinArithIntCon.hpp"

#include <cstdint>

namespace GLSLib {

class Equals : public BinArithIntCon {
public:
    Equals(IntObj* a, IntObj* b) : BinArithIntCon(a, b) {}
    std::string GetName() const override { return "="; }
    double GetDistance() const override {
        const std::int64_t d = static_cast<std::int64_t>(m_right->GetValue()) - m_left->GetValue();
        return static_cast<double>(d < 0 ? -d : d);
    }
    // a != b; true when an operand is undefined.
    bool IsViolated() const override {
        try {
            return m_left->GetValue() != m_right->GetValue();
        } catch (const Undef&) {
            return true;
        }
    }
};

} // namespace GLSLib
