#include "complete/SetDomSpec.hpp"

#include "complete/Registry.hpp"

namespace GFCLib {

namespace {
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
    return Registry::Current().AddSet(
        std::make_unique<SetDomSpec>(name != nullptr ? name : "", WithoutRepeats(universe)));
}

std::unique_ptr<SetDomSpec> SetDomSpec::MakeAnonymous(const std::vector<Value>& universe) {
    return std::make_unique<SetDomSpec>("", WithoutRepeats(universe));
}

SetDomSpec* SetDomSpec::Find(const char* name) {
    if (name == nullptr) return nullptr;
    return Registry::Current().FindSet(name);
}

} // namespace GFCLib
