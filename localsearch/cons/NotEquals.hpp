#pragma once
// a <> b: violation 1000 when equal, else 0; 2000 when an operand is undefined.

#include "localsearch/BinIntCon.hpp"

namespace GLSLib {

class NotEquals : public BinIntCon {
public:
    NotEquals(IntObj* a, IntObj* b) : BinIntCon(a, b) {}
    std::string GetName() const override { return "<>"; }
    double GetViolation() const override {
        const IntResult a = m_left->Value();
        const IntResult b = m_right->Value();
        if (!a || !b) return GetMaxViolation();
        return *a == *b ? 1000.0 : 0.0;
    }
    double GetMaxViolation() const override { return 2000.0; }
};

} // namespace GLSLib
