#pragma once
// The induced variable sum of c_i * x_i. Forward checking narrows the bounds of the sum and of
// every unbound term from the others' bounds (bounds consistency, repeated until stable).

#include "complete/induced/InducedIntVar.hpp"

namespace GFCLib {

class ScalProdOp : public InducedIntVar {
public:
    // Terms list[i] * coefficients[i] (numbers taken as ints); throws Platform::InternalError
    // when the sizes differ or an operand is not an integer.
    template <typename T> void Init(const std::vector<T*>& list, const std::vector<Value>& coefficients) {
        std::vector<CPObject*> operands(list.begin(), list.end());
        InitTerms(operands, coefficients);
    }
    void PrintExpr(std::ostream& os) const override;
    bool Holds() const override;
    bool WantsPropagation() const override { return true; }
    bool Propagate() override;

protected:
    void InitTerms(const std::vector<CPObject*>& operands, const std::vector<Value>& coefficients);
    virtual const char* FunctionName() const { return "ScalProd"; }

    std::vector<CPObject*> m_operands;
    std::vector<IntVar*> m_operandVars; // null for constants
    std::vector<long long> m_coefficients;
};

} // namespace GFCLib
