#pragma once
// The induced variable sum of x_i: a scalar product with unit coefficients.

#include "complete/induced/ScalProdOp.hpp"

namespace GFCLib {

class SumOp : public ScalProdOp {
public:
    template <typename T> void Init(const std::vector<T*>& list) {
        LinearOp::Init(list, std::vector<Value>(list.size(), Value(1)), 0);
    }

protected:
    const char* FunctionName() const override { return "Sum"; }
};

} // namespace GFCLib
