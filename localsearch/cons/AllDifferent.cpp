#include "localsearch/cons/AllDifferent.hpp"

#include <algorithm>
#include <climits>

namespace GLSLib {

AllDifferent::AllDifferent(const std::vector<IntObj*>& args) : NaryIntCon(args) {
    Rebuild();
}

void AllDifferent::Rebuild() {
    std::int64_t lo = INT_MAX, hi = INT_MIN;
    for (IntObj* x : m_args) {
        lo = std::min<std::int64_t>(lo, x->GetMin());
        hi = std::max<std::int64_t>(hi, x->GetMax());
    }
    m_counts.Reset(lo, hi, 4 * static_cast<std::int64_t>(m_args.size()));
    m_cache.Load(m_args);
    m_duplicates = 0;
    for (unsigned i = 0; i < m_cache.Size(); ++i)
        if (!m_cache.IsUndefined(i)) Add(m_cache.Value(i));
}

void AllDifferent::Initialise() {
    NaryIntCon::Initialise();
    Rebuild();
}

void AllDifferent::Remove(int value) {
    int& count = m_counts[value];
    if (count >= 2) --m_duplicates;
    --count;
}

void AllDifferent::Add(int value) {
    int& count = m_counts[value];
    ++count;
    if (count >= 2) ++m_duplicates;
}

void AllDifferent::Update(int position, int value) {
    const unsigned i = static_cast<unsigned>(position);
    const bool wasUndefined = m_cache.IsUndefined(i);
    if (!wasUndefined && m_cache.Value(i) == value) return;
    const std::int64_t oldDuplicates = m_duplicates;
    if (!wasUndefined) Remove(m_cache.Value(i));
    m_cache.SetDefined(i, value);
    Add(value);
    if (oldDuplicates != m_duplicates || wasUndefined) ForwardConChange();
}

void AllDifferent::UpdateUndefined(int position) {
    const unsigned i = static_cast<unsigned>(position);
    if (m_cache.IsUndefined(i)) return;
    Remove(m_cache.Value(i));
    m_cache.SetUndefined(i);
    ForwardConChange();
}

double AllDifferent::GetViolation() const {
    if (m_cache.AnyUndefined()) return GetMaxViolation();
    return SaturateViolation(1000.0 * static_cast<double>(m_duplicates));
}

std::ostream& AllDifferent::PrintViolation(std::ostream& os) const {
    os << "Repeated values in AllDifferent:\n{";
    const std::vector<int> repeated = m_counts.ValuesAbove(1);
    for (std::size_t i = 0; i < repeated.size(); ++i)
        os << (i ? "," : "") << repeated[i];
    return os << "}";
}

} // namespace GLSLib
