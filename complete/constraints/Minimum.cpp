#include "complete/constraints/Minimum.hpp"

#include "complete/Value.hpp"

namespace GFCLib {

bool Minimum::IsSatisfied() const {
    if (m_args.size() < 2) return false;
    const Value* best = &m_args[1]->GetValue();
    for (std::size_t i = 2; i < m_args.size(); ++i) {
        const Value& v = m_args[i]->GetValue();
        if (IsMax() ? *best < v : v < *best) best = &v;
    }
    return m_args[0]->GetValue() == *best;
}

} // namespace GFCLib
