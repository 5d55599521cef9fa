#pragma once
// The largest argument value (-2147483648 for none). Bounds fixed at construction.

#include "localsearch/expr/ExtremeOp.hpp"

#include <functional>

namespace GLSLib {

class Maximum : public ExtremeOp<std::greater<int>> {
public:
    explicit Maximum(const std::vector<IntObj*>& args) : ExtremeOp(args) {}
    std::string GetName() const override { return "Maximum"; }
};

} // namespace GLSLib
