#pragma once
// The induced variable sum of c_i * x_i: a linear expression under its own name.

#include "complete/induced/LinearOp.hpp"

namespace GFCLib {

class ScalProdOp : public LinearOp {
public:
    // Terms list[i] * coefficients[i] (numbers taken as ints); throws Platform::InternalError
    // when the sizes differ or an operand is not an integer.
    template <typename T> void Init(const std::vector<T*>& list, const std::vector<Value>& coefficients) {
        LinearOp::Init(list, coefficients, 0);
    }

protected:
    const char* FunctionName() const override { return "ScalProd"; }
};

} // namespace GFCLib
