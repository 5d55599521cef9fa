#pragma once
// a implies b: 0 while a is violated, otherwise b's violation.

#include "localsearch/Arithmetic.hpp"
#include "localsearch/LogicalCon.hpp"

namespace GLSLib {

class Implies : public LogicalCon {
public:
    Implies(Con* a, Con* b) : LogicalCon(a, b) {}
    std::string GetName() const override { return "IMPLIES"; }
    double GetViolation() const override {
        return TruncateToInt(m_args[0]->GetViolation()) > 0 ? 0.0 : m_args[1]->GetViolation();
    }
    double GetMaxViolation() const override { return m_args[1]->GetMaxViolation(); }
    bool IsViolated() const override { return m_args[0]->IsViolated() ? false : m_args[1]->IsViolated(); }
};

} // namespace GLSLib
