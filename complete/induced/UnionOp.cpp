#include "complete/induced/UnionOp.hpp"

#include <algorithm>

namespace GFCLib {

ValueSet UnionOp::Combine() const {
    ValueSet result(m_ownSpec->Universe(), false);
    for (const SetVar* s : m_operands)
        result |= s->GetSet();
    return result;
}

bool UnionOp::NarrowOperands(const ValueSet& required, const ValueSet& possible) {
    for (SetVar* s : m_operands)
        if (!s->IsInstantiated() && !s->GetDomain().RestrictTo(possible)) return false;
    for (int i = required.Bits().First(); i >= 0; i = required.Bits().NextSet(i + 1)) {
        const Value& member = required.At(i);
        SetVar* only = nullptr;
        int candidates = 0;
        bool covered = false;
        for (SetVar* s : m_operands) {
            if (s->IsInstantiated()) {
                covered = covered || s->GetSet().ContainsValue(member);
            } else if (s->GetDomain().Possible().ContainsValue(member)) {
                only = s;
                ++candidates;
            }
        }
        if (covered || candidates > 1) continue;
        if (candidates == 0) return false;
        if (!only->GetDomain().Require(only->GetDomain().Possible().IndexOf(member))) return false;
    }
    return true;
}

int UnionOp::MaxSizeLimit() const {
    long long total = 0;
    for (const SetVar* s : m_operands) {
        if (s->IsInstantiated())
            total += s->GetSet().Size();
        else
            total += std::min(s->GetDomain().MaxSize(), s->GetDomain().Possible().Size());
    }
    return static_cast<int>(std::min<long long>(total, m_domain.MaxSize()));
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
