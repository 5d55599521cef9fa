#include "complete/constraints/Not.hpp"

namespace GFCLib {

void Not::SetConstraint(Constraint* c) {
    if (c == m_operand) return;
    delete m_operand;
    m_operand = c;
    m_args.clear();
    m_vars.clear();
    if (c != nullptr) {
        m_args.push_back(c);
        for (Variable* v : c->GetVars())
            m_vars.push_back(v);
    }
    IndexVars();
}

Truth Not::Entailment() const {
    if (m_operand == nullptr) return Truth::True;
    const Truth t = m_operand->Entailment();
    return t == Truth::True ? Truth::False : t == Truth::False ? Truth::True : Truth::Unknown;
}

} // namespace GFCLib
