#pragma once
// Base of the induced integer variables z = f(a) over one operand.

#include "complete/induced/InducedIntVar.hpp"

namespace GFCLib {

class IntUnaryOp : public InducedIntVar {
public:
    // Binds the operand and makes the domain every result over the operand's values.
    void ComputeDomain(CPObject* a);
    // r := f(a); false when there is no result.
    virtual bool Apply(long long a, long long& r) const = 0;
    virtual const char* FunctionName() const = 0;

    void PrintExpr(std::ostream& os) const override;
    bool Holds() const override;
    bool WantsPropagation() const override { return true; }
    bool Propagate() override;

protected:
    CPObject* m_a = nullptr;
    IntVar* m_aVar = nullptr;
};

} // namespace GFCLib
