#include "complete/IntDomainSpec.hpp"

#include "complete/Registry.hpp"

#include <algorithm>
#include <functional>

namespace GFCLib {

namespace {
std::vector<Value> ToValues(const std::vector<int>& ints) {
    std::vector<Value> values;
    values.reserve(ints.size());
    for (int v : ints)
        values.emplace_back(v);
    return values;
}

IntDomainSpec* Register(std::unique_ptr<IntDomainSpec> spec) {
    return Registry::Current().AddInt(std::move(spec));
}
} // namespace

IntDomainSpec::IntDomainSpec(std::string name, std::vector<int> ints, bool interval)
    : FiniteDomainSpec(std::move(name), ToValues(ints)), m_ints(std::move(ints)), m_interval(interval),
      m_contiguous(m_ints.empty() || static_cast<long long>(m_ints.back()) - m_ints.front() + 1 ==
                                         static_cast<long long>(m_ints.size())),
      m_lo(m_ints.empty() ? 0 : m_ints.front()) {}

IntDomainSpec* IntDomainSpec::CreateRange(const char* name, int lo, int hi) {
    std::vector<int> ints;
    if (lo <= hi) {
        ints.reserve(static_cast<std::size_t>(static_cast<long long>(hi) - lo + 1));
        for (long long v = lo; v <= hi; ++v)
            ints.push_back(static_cast<int>(v));
    }
    return Register(std::make_unique<IntDomainSpec>(name != nullptr ? name : "", std::move(ints), true));
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

int IntDomainSpec::LowerBound(int v) const {
    return static_cast<int>(std::lower_bound(m_ints.begin(), m_ints.end(), v) - m_ints.begin());
}

int IntDomainSpec::SearchInt(int v) const {
    auto it = std::lower_bound(m_ints.begin(), m_ints.end(), v);
    return it != m_ints.end() && *it == v ? static_cast<int>(it - m_ints.begin()) : -1;
}

} // namespace GFCLib
