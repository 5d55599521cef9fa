#pragma once
// The induced variable min(x_1, ..., x_n) (with isMax: max). Forward checking keeps the result
// within [min of minima, min of maxima] and every operand at or above the result's minimum.

#include "complete/induced/InducedIntVar.hpp"

namespace GFCLib {

class MinimumOp : public InducedIntVar {
public:
    template <typename T> explicit MinimumOp(const std::vector<T*>& list) {
        InitList(std::vector<CPObject*>(list.begin(), list.end()), false);
    }
    void PrintExpr(std::ostream& os) const override;
    bool Holds() const override;
    bool Propagate() override;
    DomainEvent WakeOn(const Variable* v) const override {
        (void)v;
        return DomainEvent::Bounds;
    }

protected:
    MinimumOp() = default;
    void InitList(const std::vector<CPObject*>& list, bool isMax);

    std::vector<CPObject*> m_operands;
    std::vector<IntVar*> m_operandVars;
    bool m_isMax = false;
};

} // namespace GFCLib
