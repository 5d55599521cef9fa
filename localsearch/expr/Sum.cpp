#include "localsearch/expr/Sum.hpp"

#include "localsearch/Arithmetic.hpp"

namespace GLSLib {

Sum::Sum(const std::vector<IntObj*>& args) : IntNaryOp(args) {
    Rebuild();
}

void Sum::Rebuild() {
    m_cache.Load(m_args);
    m_sum = 0;
    std::int64_t lower = 0, upper = 0;
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        m_sum += m_cache.Value(static_cast<unsigned>(i));
        lower += m_args[i]->GetMin();
        upper += m_args[i]->GetMax();
    }
    m_lower = SaturateToInt(lower);
    m_upper = SaturateToInt(upper);
}

void Sum::Initialise() {
    IntNaryOp::Initialise();
    Rebuild();
}

void Sum::Update(int position, int value) {
    const unsigned i = static_cast<unsigned>(position);
    const bool wasDefined = !m_cache.AnyUndefined();
    const std::int64_t old = m_sum;
    m_sum += static_cast<std::int64_t>(value) - m_cache.Value(i);
    m_cache.SetDefined(i, value);
    if (wasDefined != !m_cache.AnyUndefined() || old != m_sum) ForwardChange();
}

void Sum::UpdateUndefined(int position) {
    const unsigned i = static_cast<unsigned>(position);
    const bool wasDefined = !m_cache.AnyUndefined();
    m_sum -= m_cache.Value(i);
    m_cache.SetUndefined(i);
    if (wasDefined) ForwardChange();
}

} // namespace GLSLib
