#pragma once
// a <> b: violation 1000 when equal, else 0; 2000 when an operand is undefined.

#include "localsearch/BinIntCon.hpp"

namespace GLSLib {

class NotEquals : public BinIntCon {
public:
    NotEquals(IntObj* a, IntObj* b) : BinIntCon(a, b) {}
    std::string GetName() const override { return "<>"; }
    double GetViolation() const override {
        try {
            return m_left->GetValue() == m_right->GetValue() ? 1000.0 : 0.0;
        } catch (const Undef&) {
            return GetMaxViolation();
        }
    }
    double GetMaxViolation() const override { return 2000.0; }
};

} // namespace GLSLib
