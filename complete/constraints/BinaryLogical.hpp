#pragma once
// Base of the logical constraints over two constraints (lhs, rhs). The operands are owned by
// this constraint and are not attached themselves: this constraint registers their variables,
// so it is notified, filtered (by trying values) and checked in their place. As an operand of
// another logical constraint it reads its own operands' entailment: once one operand's truth is
// known and only one truth of the other gives the combination wanted, the other is made to hold
// (or to fail).

#include "complete/Constraint.hpp"

namespace GFCLib {

class BinaryLogical : public Constraint {
public:
    BinaryLogical(Constraint* lhs, Constraint* rhs);
    ~BinaryLogical() override;
    bool IsSatisfied() const override { return Combine(m_lhs->IsSatisfied(), m_rhs->IsSatisfied()); }
    virtual bool Combine(bool a, bool b) const = 0;
    Truth Entailment() const override;
    bool Enforce() override { return EnforceTruth(true); }
    bool EnforceNegation() override { return EnforceTruth(false); }
    Constraint* GetLhs() const { return m_lhs; }
    Constraint* GetRhs() const { return m_rhs; }

protected:
    // Appends the operand and its variables.
    void AddOperand(Constraint* operand);
    // Makes the combination come out as wanted from what the operands' entailment says; false
    // when it cannot.
    [[nodiscard]] bool EnforceTruth(bool wanted);

    Constraint* m_lhs;
    Constraint* m_rhs;
};

} // namespace GFCLib
