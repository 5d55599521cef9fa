#include "complete/FiniteDomainSpec.hpp"

#include "complete/Registry.hpp"

namespace GFCLib {

FiniteDomainSpec::FiniteDomainSpec(std::string name, std::vector<Value> universe)
    : m_name(std::move(name)), m_universe(std::move(universe)) {
    for (std::size_t i = 0; i < m_universe.size(); ++i)
        if (m_universe[i].GetTag() == Value::kString)
            m_stringIndex.emplace(m_universe[i].GetString(), static_cast<int>(i));
}

FiniteDomainSpec* FiniteDomainSpec::Create(const char* name, const std::vector<Value>& values) {
    // Repeated values would make two positions for one value; keep the first.
    std::vector<Value> universe;
    for (const Value& v : values) {
        bool seen = false;
        for (const Value& u : universe)
            seen = seen || u == v;
        if (!seen) universe.push_back(v);
    }
    return Registry::Current().AddFinite(
        std::make_unique<FiniteDomainSpec>(name != nullptr ? name : "", std::move(universe)));
}

FiniteDomainSpec* FiniteDomainSpec::Find(const char* name) {
    if (name == nullptr) return nullptr;
    return Registry::Current().FindFinite(name);
}

int FiniteDomainSpec::IndexOf(const Value& value) const {
    if (value.GetTag() == Value::kString) {
        auto it = m_stringIndex.find(value.GetString());
        return it != m_stringIndex.end() ? it->second : -1;
    }
    for (std::size_t i = 0; i < m_universe.size(); ++i)
        if (m_universe[i] == value) return static_cast<int>(i);
    return -1;
}

} // namespace GFCLib
