#pragma once
// Exactly one of a and b holds: 1000 when both hold, the larger violation when both are
// violated, else 0.

#include "localsearch/Arithmetic.hpp"
#include "localsearch/LogicalCon.hpp"

#include <algorithm>

namespace GLSLib {

class Xor : public LogicalCon {
public:
    Xor(Con* a, Con* b) : LogicalCon(a, b) {}
    std::string GetName() const override { return "XOR"; }
    double GetViolation() const override {
        const int va = TruncateToInt(m_args[0]->GetViolation());
        const int vb = TruncateToInt(m_args[1]->GetViolation());
        if (va > 0 && vb > 0) return std::max(va, vb);
        if (va == 0 && vb == 0) return 1000.0;
        return 0.0;
    }
    double GetMaxViolation() const override {
        return std::max(m_args[0]->GetMaxViolation(), m_args[1]->GetMaxViolation());
    }
    bool IsViolated() const override { return m_args[0]->IsViolated() == m_args[1]->IsViolated(); }
};

} // namespace GLSLib
