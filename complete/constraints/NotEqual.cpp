#include "complete/constraints/NotEqual.hpp"

#include "complete/Variable.hpp"

namespace GFCLib {

void NotEqual::Attach() {
    ExpandDomains(0);
    Constraint::Attach();
}

bool NotEqual::FilterArg(int i) {
    return m_vars[static_cast<std::size_t>(i)]->RemoveValueOf(*Other(i));
}

} // namespace GFCLib
