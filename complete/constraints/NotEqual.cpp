#include "complete/constraints/NotEqual.hpp"

#include "complete/FiniteDomain.hpp"
#include "complete/Variable.hpp"

namespace GFCLib {

void NotEqual::Attach() {
    ExpandDomains(0);
    Constraint::Attach();
}

bool NotEqual::ForwardCheck() {
    if (m_vars.size() == 2) {
        Variable* a = m_vars[0];
        Variable* b = m_vars[1];
        const bool aBound = a->IsInstantiated();
        if (aBound != b->IsInstantiated()) {
            Variable* bound = aBound ? a : b;
            FiniteDomain* d = (aBound ? b : a)->GetFiniteDomain();
            const FiniteDomain* source = bound->GetFiniteDomain();
            if (d != nullptr && source != nullptr && d->GetSpec() == source->GetSpec())
                return d->Remove(bound->GetIndex());
        }
    }
    return Constraint::ForwardCheck();
}

bool NotEqual::FilterArg(int i) {
    return m_vars[static_cast<std::size_t>(i)]->RemoveValueOf(*Other(i));
}

} // namespace GFCLib
