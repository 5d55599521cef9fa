#include "complete/FiniteDomainSpec.hpp"

namespace GFCLib {

namespace {
struct FiniteRegistry {
    std::vector<std::unique_ptr<FiniteDomainSpec>> all;
    std::unordered_map<std::string, FiniteDomainSpec*> byName;
};
FiniteRegistry& Registry() {
    static FiniteRegistry registry;
    return registry;
}
} // namespace

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
    auto spec = std::make_unique<FiniteDomainSpec>(name != nullptr ? name : "", std::move(universe));
    FiniteDomainSpec* result = spec.get();
    Registry().all.push_back(std::move(spec));
    Registry().byName[result->GetName()] = result;
    return result;
}

FiniteDomainSpec* FiniteDomainSpec::Find(const char* name) {
    if (name == nullptr) return nullptr;
    auto it = Registry().byName.find(name);
    return it != Registry().byName.end() ? it->second : nullptr;
}

void FiniteDomainSpec::ReleaseAll() {
    Registry().byName.clear();
    Registry().all.clear();
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
