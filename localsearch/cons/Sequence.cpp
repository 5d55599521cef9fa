#include "localsearch/cons/Sequence.hpp"

#include <algorithm>
#include <climits>

namespace GLSLib {

Sequence::Sequence(const std::vector<IntObj*>& args, const std::vector<int>& values)
    : NaryIntCon(args), m_list(values) {
    if (!m_list.empty()) {
        const auto [lo, hi] = std::minmax_element(m_list.begin(), m_list.end());
        m_allowed.Reset(*lo, *hi, 4 * static_cast<std::int64_t>(m_list.size()));
    }
    for (int v : m_list)
        ++m_allowed[v];
    Rebuild();
}

void Sequence::Rebuild() {
    std::int64_t lo = INT_MAX, hi = INT_MIN;
    for (IntObj* x : m_args) {
        lo = std::min<std::int64_t>(lo, x->GetMin());
        hi = std::max<std::int64_t>(hi, x->GetMax());
    }
    m_current.Reset(lo, hi, 4 * static_cast<std::int64_t>(m_args.size() + m_list.size()));
    m_cache.Load(m_args);
    m_excess = 0;
    for (unsigned i = 0; i < m_cache.Size(); ++i)
        if (!m_cache.IsUndefined(i)) Add(m_cache.Value(i));
}

void Sequence::Initialise() {
    NaryIntCon::Initialise();
    Rebuild();
}

void Sequence::Remove(int value) {
    int& count = m_current[value];
    if (count > m_allowed.Get(value)) --m_excess;
    --count;
}

void Sequence::Add(int value) {
    int& count = m_current[value];
    ++count;
    if (count > m_allowed.Get(value)) ++m_excess;
}

void Sequence::Update(int position, int value) {
    const unsigned i = static_cast<unsigned>(position);
    const bool wasUndefined = m_cache.IsUndefined(i);
    if (!wasUndefined && m_cache.Value(i) == value) return;
    const bool wasViolated = IsViolated();
    const int oldExcess = m_excess;
    if (!wasUndefined) Remove(m_cache.Value(i));
    m_cache.SetDefined(i, value);
    Add(value);
    if (wasViolated != IsViolated() || oldExcess != m_excess || wasUndefined) ForwardConChange();
}

void Sequence::UpdateUndefined(int position) {
    const unsigned i = static_cast<unsigned>(position);
    if (m_cache.IsUndefined(i)) return;
    Remove(m_cache.Value(i));
    m_cache.SetUndefined(i);
    ForwardConChange();
}

double Sequence::GetViolation() const {
    if (m_cache.AnyUndefined()) return GetMaxViolation();
    return SaturateViolation(static_cast<double>(1000 * static_cast<std::int64_t>(m_excess)));
}

} // namespace GLSLib
