#include "complete/induced/Definition.hpp"

#include "complete/induced/InducedVar.hpp"

namespace GFCLib {

bool Definition::IsSatisfied() const {
    return m_owner->Holds();
}

bool Definition::IsAllButOneBound(int n) const {
    (void)n;
    return m_boundCount != static_cast<int>(m_args.size()) && m_owner->WantsPropagation();
}

bool Definition::ForwardCheck() {
    return m_owner->Propagate();
}

} // namespace GFCLib
