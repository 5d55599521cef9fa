#include "complete/induced/IntersectOp.hpp"

namespace GFCLib {

ValueSet IntersectOp::Combine() const {
    ValueSet result(m_ownSpec->Universe(), true);
    for (const SetVar* s : m_operands)
        result &= s->GetSet();
    return result;
}

void IntersectOp::Limits(ValueSet& required, ValueSet& possible) const {
    required = ValueSet(m_ownSpec->Universe(), true);
    possible = ValueSet(m_ownSpec->Universe(), true);
    for (const SetVar* s : m_operands) {
        if (s->IsInstantiated()) {
            required &= s->GetSet();
            possible &= s->GetSet();
        } else {
            required &= s->GetDomain().Required();
            possible &= s->GetDomain().Possible();
        }
    }
}

} // namespace GFCLib
