#pragma once
// a if and only if b: 0 when both hold or both are violated, otherwise the larger violation.

#include "localsearch/Arithmetic.hpp"
#include "localsearch/LogicalCon.hpp"

#include <algorithm>

namespace GLSLib {

class Iff : public LogicalCon {
public:
    Iff(Con* a, Con* b) : LogicalCon(a, b) {}
    std::string GetName() const override { return "IFF"; }
    double GetViolation() const override {
        const int va = TruncateToInt(m_args[0]->GetViolation());
        const int vb = TruncateToInt(m_args[1]->GetViolation());
        if ((va > 0) == (vb > 0)) return 0.0;
        return std::max(va, vb);
    }
    double GetMaxViolation() const override {
        return std::max(m_args[0]->GetMaxViolation(), m_args[1]->GetMaxViolation());
    }
    bool IsViolated() const override { return m_args[0]->IsViolated() != m_args[1]->IsViolated(); }
};

} // namespace GLSLib
