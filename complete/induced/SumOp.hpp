#pragma once
// The induced variable sum of x_i: a scalar product with unit coefficients.

#include "complete/induced/ScalProdOp.hpp"

namespace GFCLib {

class SumOp : public ScalProdOp {
public:
    template <typename T> void Init(const std::vector<T*>& list) {
        std::vector<CPObject*> operands(list.begin(), list.end());
        InitTerms(operands, std::vector<Value>(operands.size(), Value(1)));
    }
    void PrintExpr(std::ostream& os) const override;

protected:
    const char* FunctionName() const override { return "Sum"; }
};

} // namespace GFCLib
