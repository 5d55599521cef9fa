#pragma once
// Base of the logical constraints over two constraints (lhs, rhs). The operands are owned by
// this constraint and are not attached themselves: this constraint registers their variables,
// so it is notified, filtered (by trying values) and checked in their place.

#include "complete/Constraint.hpp"

namespace GFCLib {

class BinaryLogical : public Constraint {
public:
    BinaryLogical(Constraint* lhs, Constraint* rhs);
    ~BinaryLogical() override;
    bool IsSatisfied() const override { return Combine(m_lhs->IsSatisfied(), m_rhs->IsSatisfied()); }
    virtual bool Combine(bool a, bool b) const = 0;
    Constraint* GetLhs() const { return m_lhs; }
    Constraint* GetRhs() const { return m_rhs; }

protected:
    // Appends the operand and its variables.
    void AddOperand(Constraint* operand);

    Constraint* m_lhs;
    Constraint* m_rhs;
};

} // namespace GFCLib
