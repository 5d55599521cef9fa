#include "complete/constraints/BinaryLogical.hpp"

#include "platform/FatalError.hpp"

namespace GFCLib {

BinaryLogical::BinaryLogical(Constraint* lhs, Constraint* rhs) : m_lhs(lhs), m_rhs(rhs) {
    if (lhs == nullptr || rhs == nullptr) {
        delete lhs;
        delete rhs;
        throw Platform::InternalError("A logical constraint needs two constraints");
    }
    AddOperand(lhs);
    AddOperand(rhs);
    IndexVars();
}

BinaryLogical::~BinaryLogical() {
    delete m_lhs;
    if (m_rhs != m_lhs) delete m_rhs;
}

Truth BinaryLogical::Entailment() const {
    const Truth a = m_lhs->Entailment();
    const Truth b = m_rhs->Entailment();
    // A known operand decides when both truths of the other give the same.
    const auto decided = [&](bool known, bool lhsKnown) {
        const bool ifTrue = lhsKnown ? Combine(known, true) : Combine(true, known);
        const bool ifFalse = lhsKnown ? Combine(known, false) : Combine(false, known);
        return ifTrue == ifFalse ? (ifTrue ? Truth::True : Truth::False) : Truth::Unknown;
    };
    if (a != Truth::Unknown && b != Truth::Unknown)
        return Combine(a == Truth::True, b == Truth::True) ? Truth::True : Truth::False;
    if (a != Truth::Unknown) return decided(a == Truth::True, true);
    if (b != Truth::Unknown) return decided(b == Truth::True, false);
    return Truth::Unknown;
}

bool BinaryLogical::EnforceTruth(bool wanted) {
    const Truth a = m_lhs->Entailment();
    const Truth b = m_rhs->Entailment();
    if (a != Truth::Unknown && b != Truth::Unknown)
        return Combine(a == Truth::True, b == Truth::True) == wanted;
    if (a == Truth::Unknown && b == Truth::Unknown) return true;
    // One operand is known: the other must take a truth that gives the wanted combination.
    const bool lhsKnown = a != Truth::Unknown;
    const bool known = (lhsKnown ? a : b) == Truth::True;
    Constraint* other = lhsKnown ? m_rhs : m_lhs;
    const bool ifTrue = (lhsKnown ? Combine(known, true) : Combine(true, known)) == wanted;
    const bool ifFalse = (lhsKnown ? Combine(known, false) : Combine(false, known)) == wanted;
    if (ifTrue && ifFalse) return true;
    if (!ifTrue && !ifFalse) return false;
    return ifTrue ? other->Enforce() : other->EnforceNegation();
}

void BinaryLogical::AddOperand(Constraint* operand) {
    m_args.push_back(operand);
    for (Variable* v : operand->GetVars())
        m_vars.push_back(v);
}

} // namespace GFCLib
