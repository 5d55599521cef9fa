#pragma once
// Every constraint of a list holds. The operands are owned and registered through their
// variables, as for the other logical constraints.

#include "complete/Constraint.hpp"

namespace GFCLib {

class NaryAnd : public Constraint {
public:
    // Null entries are ignored.
    explicit NaryAnd(const std::vector<Constraint*>& list);
    ~NaryAnd() override;
    const char* GetName() const override { return "NaryAnd"; }
    bool IsSatisfied() const override;
    Truth Entailment() const override;
    // Every operand is made to hold.
    bool Enforce() override;
    // Once every operand but one holds, that one must fail.
    bool EnforceNegation() override;

private:
    std::vector<Constraint*> m_operands;
};

} // namespace GFCLib
