#pragma once
// Conjunction: violation the sum of the arguments' violations, each truncated to int as it is
// added. Its conjuncts (itself, then its arguments' conjuncts depth-first) let a builder post
// the parts separately.

#include "localsearch/LogicalCon.hpp"

namespace GLSLib {

class And : public LogicalCon {
public:
    explicit And(const std::vector<Con*>& args) : LogicalCon(args) {}
    And(Con* a, Con* b) : LogicalCon(a, b) {}
    std::string GetName() const override { return "AND"; }
    double GetViolation() const override;
    // The sum of the arguments' maximum violations, plus 1.0.
    double GetMaxViolation() const override;
    bool IsConjunction() const override { return true; }
    // 1 plus the arguments' conjunct counts.
    int NumConjuncts() const override;
    // 0: the And itself; then the arguments' conjuncts in order; null beyond the last.
    Con* GetConjunct(int k) override;
};

} // namespace GLSLib
