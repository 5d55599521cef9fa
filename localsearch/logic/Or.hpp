#pragma once
// Disjunction: violation the smallest argument violation (truncated to int); violated when
// every argument is. An Or of nothing can never hold: violation 1000.

#include "localsearch/LogicalCon.hpp"

namespace GLSLib {

class Or : public LogicalCon {
public:
    explicit Or(const std::vector<Con*>& args) : LogicalCon(args) {}
    Or(Con* a, Con* b) : LogicalCon(a, b) {}
    std::string GetName() const override { return "OR"; }
    double GetViolation() const override;
    // The smallest argument maximum (truncated); 1000 without arguments.
    double GetMaxViolation() const override;
    bool IsViolated() const override;
};

} // namespace GLSLib
