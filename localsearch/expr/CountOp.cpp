#include "localsearch/expr/CountOp.hpp"

namespace GLSLib {

CountOp::CountOp(const std::vector<IntObj*>& args, const std::vector<int>& values)
    : IntNaryOp(args), m_values(values) {
    Rebuild();
}

std::ostream& CountOp::Print(std::ostream& os) const {
    os << "Count([";
    for (std::size_t i = 0; i < m_args.size(); ++i)
        os << (i ? "," : "") << *m_args[i];
    os << "],[";
    const std::vector<int>& values = m_values.Sorted();
    for (std::size_t i = 0; i < values.size(); ++i)
        os << (i ? "," : "") << values[i];
    return os << "])";
}

void CountOp::Rebuild() {
    m_cache.Load(m_args);
    m_count = 0;
    for (unsigned i = 0; i < m_cache.Size(); ++i)
        if (!m_cache.IsUndefined(i) && m_values.Contains(m_cache.Value(i))) ++m_count;
}

void CountOp::Initialise() {
    IntNaryOp::Initialise();
    Rebuild();
}

void CountOp::Update(int position, int value) {
    const unsigned i = static_cast<unsigned>(position);
    const bool wasDefined = !m_cache.AnyUndefined();
    const int old = m_count;
    if (!m_cache.IsUndefined(i) && m_values.Contains(m_cache.Value(i))) --m_count;
    m_cache.SetDefined(i, value);
    if (m_values.Contains(value)) ++m_count;
    if (wasDefined != !m_cache.AnyUndefined() || old != m_count) ForwardChange();
}

void CountOp::UpdateUndefined(int position) {
    const unsigned i = static_cast<unsigned>(position);
    const bool wasDefined = !m_cache.AnyUndefined();
    if (!m_cache.IsUndefined(i) && m_values.Contains(m_cache.Value(i))) --m_count;
    m_cache.SetUndefined(i);
    if (wasDefined) ForwardChange();
}

} // namespace GLSLib
