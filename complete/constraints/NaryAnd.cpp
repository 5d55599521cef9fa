#include "complete/constraints/NaryAnd.hpp"

#include <algorithm>

namespace GFCLib {

NaryAnd::NaryAnd(const std::vector<Constraint*>& list) {
    for (Constraint* c : list) {
        if (c == nullptr) continue;
        m_operands.push_back(c);
        m_args.push_back(c);
        for (Variable* v : c->GetVars())
            m_vars.push_back(v);
    }
    IndexVars();
}

NaryAnd::~NaryAnd() {
    for (std::size_t i = 0; i < m_operands.size(); ++i)
        if (std::find(m_operands.begin(), m_operands.begin() + static_cast<long>(i), m_operands[i]) ==
            m_operands.begin() + static_cast<long>(i))
            delete m_operands[i];
}

bool NaryAnd::IsSatisfied() const {
    for (const Constraint* c : m_operands)
        if (!c->IsSatisfied()) return false;
    return true;
}

bool NaryAnd::Enforce() {
    for (Constraint* c : m_operands)
        if (!c->Enforce()) return false;
    return true;
}

Truth NaryAnd::Entailment() const {
    Truth result = Truth::True;
    for (const Constraint* c : m_operands) {
        const Truth t = c->Entailment();
        if (t == Truth::False) return Truth::False;
        if (t == Truth::Unknown) result = Truth::Unknown;
    }
    return result;
}

bool NaryAnd::EnforceNegation() {
    Constraint* open = nullptr;
    for (Constraint* c : m_operands) {
        const Truth t = c->Entailment();
        if (t == Truth::False) return true;
        if (t == Truth::Unknown) {
            if (open != nullptr) return true;
            open = c;
        }
    }
    return open != nullptr && open->EnforceNegation();
}

} // namespace GFCLib
