#pragma once
// The negation of a constraint (owned, registered through its variables as for the other
// logical constraints).

#include "complete/Constraint.hpp"

namespace GFCLib {

class Not : public Constraint {
public:
    Not() = default;
    ~Not() override { delete m_operand; }
    // The negated constraint; replaces (and deletes) an earlier one.
    void SetConstraint(Constraint* c);
    const char* GetName() const override { return "Not"; }
    bool IsSatisfied() const override { return m_operand == nullptr || !m_operand->IsSatisfied(); }
    Truth Entailment() const override;
    bool Enforce() override { return m_operand == nullptr || m_operand->EnforceNegation(); }
    bool EnforceNegation() override { return m_operand == nullptr || m_operand->Enforce(); }

private:
    Constraint* m_operand = nullptr;
};

} // namespace GFCLib
