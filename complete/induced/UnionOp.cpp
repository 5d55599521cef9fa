#include "complete/induced/UnionOp.hpp"

namespace GFCLib {

ValueSet UnionOp::Combine() const {
    ValueSet result(m_ownSpec->Universe(), false);
    for (const SetVar* s : m_operands)
        result |= s->GetSet();
    return result;
}

void UnionOp::Limits(ValueSet& required, ValueSet& possible) const {
    for (const SetVar* s : m_operands) {
        if (s->IsInstantiated()) {
            required |= s->GetSet();
            possible |= s->GetSet();
        } else {
            required |= s->GetDomain().Required();
            possible |= s->GetDomain().Possible();
        }
    }
}

} // namespace GFCLib
