#include "complete/constraints/Equal.hpp"

#include "complete/Variable.hpp"

namespace GFCLib {

bool Equal::FilterArg(int i) {
    return m_vars[static_cast<std::size_t>(i)]->KeepValuesOf(*Other(i));
}

} // namespace GFCLib
