#include "complete/IntDomainSpec.hpp"

#include "complete/Registry.hpp"
#include "platform/FatalError.hpp"

#include <algorithm>
#include <functional>

namespace GFCLib {

namespace {
IntDomainSpec* Register(std::unique_ptr<IntDomainSpec> spec) {
    return Registry::Current().AddInt(std::move(spec));
}
} // namespace

IntDomainSpec::IntDomainSpec(std::string name, long long lo, long long hi, bool interval)
    : FiniteDomainSpec(std::move(name)), m_lo(lo), m_size(lo <= hi ? hi - lo + 1 : 0), m_interval(interval) {
    if (m_size > kMaxUniverseSize)
        throw Platform::ResourceError("The domain " +
                                      (m_name.empty() ? std::string("of an expression") : m_name) + " has " +
                                      std::to_string(m_size) + " values; complete search holds at most " +
                                      std::to_string(kMaxUniverseSize));
}

IntDomainSpec::IntDomainSpec(std::string name, std::vector<int> ints, bool interval)
    : FiniteDomainSpec(std::move(name)), m_lo(ints.empty() ? 0 : ints.front()),
      m_size(static_cast<std::int64_t>(ints.size())),
      m_contiguous(ints.empty() || static_cast<long long>(ints.back()) - ints.front() + 1 ==
                                       static_cast<long long>(ints.size())),
      m_interval(interval) {
    if (!m_contiguous) m_ints = std::move(ints);
}

IntDomainSpec* IntDomainSpec::CreateRange(const char* name, int lo, int hi) {
    return Register(std::make_unique<IntDomainSpec>(name != nullptr ? name : "", lo, hi, true));
}

IntDomainSpec* IntDomainSpec::CreateFromValues(const char* name, const std::vector<Value>& values) {
    std::vector<int> ints;
    ints.reserve(values.size());
    for (const Value& v : values)
        ints.push_back(v.GetInt());
    std::sort(ints.begin(), ints.end());
    ints.erase(std::unique(ints.begin(), ints.end()), ints.end());
    return Register(std::make_unique<IntDomainSpec>(name != nullptr ? name : "", std::move(ints), false));
}

std::unique_ptr<IntDomainSpec> IntDomainSpec::MakeAnonymous(std::vector<int> ints) {
    // Induced domains mostly arrive strictly increasing already: checking is linear.
    if (std::adjacent_find(ints.begin(), ints.end(), std::greater_equal<int>()) != ints.end()) {
        std::sort(ints.begin(), ints.end());
        ints.erase(std::unique(ints.begin(), ints.end()), ints.end());
    }
    return std::make_unique<IntDomainSpec>("", std::move(ints), false);
}

IntDomainSpec* IntDomainSpec::Find(const char* name) {
    if (name == nullptr) return nullptr;
    return Registry::Current().FindInt(name);
}

IntDomainSpec* IntDomainSpec::BoolSpec() {
    return Registry::Current().BoolSpec();
}

int IntDomainSpec::IndexOf(const Value& value) const {
    if (value.GetTag() != Value::kInt && value.GetTag() != Value::kBool) {
        if (value.GetTag() != Value::kDouble) return -1;
        const double d = value.GetDouble();
        if (d != static_cast<double>(static_cast<int>(d))) return -1;
    }
    return IndexOfInt(value.GetInt());
}

std::int64_t IntDomainSpec::SearchLowerBound(long long v) const {
    return std::lower_bound(m_ints.begin(), m_ints.end(), v) - m_ints.begin();
}

int IntDomainSpec::SearchInt(long long v) const {
    auto it = std::lower_bound(m_ints.begin(), m_ints.end(), v);
    return it != m_ints.end() && *it == v ? static_cast<int>(it - m_ints.begin()) : -1;
}

std::vector<int> IntDomainSpec::Values() const {
    if (!m_contiguous) return m_ints;
    std::vector<int> values;
    values.reserve(static_cast<std::size_t>(m_size));
    for (std::int64_t k = 0; k < m_size; ++k)
        values.push_back(static_cast<int>(m_lo + k));
    return values;
}

} // namespace GFCLib
