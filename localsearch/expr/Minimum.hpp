#pragma once
// The smallest argument value (2147483647 for none). Bounds fixed at construction.

#include "localsearch/expr/ExtremeOp.hpp"

#include <functional>

namespace GLSLib {

class Minimum : public ExtremeOp<std::less<int>> {
public:
    explicit Minimum(const std::vector<IntObj*>& args) : ExtremeOp(args) {}
    std::string GetName() const override { return "Minimum"; }
};

} // namespace GLSLib
