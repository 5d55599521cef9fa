#include "complete/SetDomSpec.hpp"

#include <unordered_map>

namespace GFCLib {

namespace {
struct SetRegistry {
    std::vector<std::unique_ptr<SetDomSpec>> all;
    std::unordered_map<std::string, SetDomSpec*> byName;
};
SetRegistry& Registry() {
    static SetRegistry registry;
    return registry;
}
std::vector<Value> WithoutRepeats(const std::vector<Value>& values) {
    std::vector<Value> result;
    for (const Value& v : values) {
        bool seen = false;
        for (const Value& u : result)
            seen = seen || u == v;
        if (!seen) result.push_back(v);
    }
    return result;
}
} // namespace

SetDomSpec::SetDomSpec(std::string name, std::vector<Value> universe)
    : m_name(std::move(name)), m_universe(std::move(universe)) {}

SetDomSpec* SetDomSpec::Create(const char* name, const std::vector<Value>& universe) {
    auto spec = std::make_unique<SetDomSpec>(name != nullptr ? name : "", WithoutRepeats(universe));
    SetDomSpec* result = spec.get();
    Registry().all.push_back(std::move(spec));
    Registry().byName[result->GetName()] = result;
    return result;
}

std::unique_ptr<SetDomSpec> SetDomSpec::MakeAnonymous(const std::vector<Value>& universe) {
    return std::make_unique<SetDomSpec>("", WithoutRepeats(universe));
}

SetDomSpec* SetDomSpec::Find(const char* name) {
    if (name == nullptr) return nullptr;
    auto it = Registry().byName.find(name);
    return it != Registry().byName.end() ? it->second : nullptr;
}

void SetDomSpec::ReleaseAll() {
    Registry().byName.clear();
    Registry().all.clear();
}

} // namespace GFCLib
