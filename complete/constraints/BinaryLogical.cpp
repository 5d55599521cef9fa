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

void BinaryLogical::AddOperand(Constraint* operand) {
    m_args.push_back(operand);
    for (Variable* v : operand->GetVars())
        m_vars.push_back(v);
}

} // namespace GFCLib
