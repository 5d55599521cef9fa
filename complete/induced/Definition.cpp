#include "complete/induced/Definition.hpp"

#include "complete/induced/InducedVar.hpp"

namespace GFCLib {

bool Definition::IsSatisfied() const {
    return m_owner->Holds();
}

bool Definition::IsAllButOneBound(int n) const {
    (void)n;
    return !IsBound() && m_owner->WantsPropagation();
}

bool Definition::ForwardCheck() {
    return m_owner->Propagate();
}

} // namespace GFCLib
