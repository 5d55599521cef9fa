#include "complete/constraints/LessThan.hpp"

#include "complete/IntVar.hpp"

namespace GFCLib {

bool LessThan::FilterArg(int i) {
    Variable* x = m_vars[static_cast<std::size_t>(i)];
    const Value& other = Other(i)->GetValue();
    auto* ix = dynamic_cast<IntVar*>(x);
    if (ix == nullptr || !Other(i)->IsBound() || !other.IsInt()) return Constraint::FilterArg(i);
    return IsFirst(i) ? ix->KeepBelow(other.GetInt()) : ix->KeepAbove(other.GetInt());
}

} // namespace GFCLib
