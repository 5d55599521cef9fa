#include "complete/Registry.hpp"

#include "complete/FiniteDomainSpec.hpp"
#include "complete/IntDomainSpec.hpp"
#include "complete/SetDomSpec.hpp"

namespace GFCLib {

namespace {
thread_local Registry* t_current = nullptr;

Registry& ThreadDefault() {
    thread_local Registry registry;
    return registry;
}
} // namespace

template <typename Spec> Spec* Registry::Named<Spec>::Add(std::unique_ptr<Spec> spec) {
    Spec* result = spec.get();
    all.push_back(std::move(spec));
    byName[result->GetName()] = result;
    return result;
}

template <typename Spec> Spec* Registry::Named<Spec>::Find(const std::string& name) const {
    auto it = byName.find(name);
    return it != byName.end() ? it->second : nullptr;
}

Registry::Registry() {
    Release();
}

Registry::~Registry() = default;

Registry& Registry::Current() {
    return t_current != nullptr ? *t_current : ThreadDefault();
}

Registry::Scope::Scope(Registry& registry) : m_previous(t_current) {
    t_current = &registry;
}

Registry::Scope::~Scope() {
    t_current = m_previous;
}

IntDomainSpec* Registry::AddInt(std::unique_ptr<IntDomainSpec> spec) {
    return m_ints.Add(std::move(spec));
}

FiniteDomainSpec* Registry::AddFinite(std::unique_ptr<FiniteDomainSpec> spec) {
    return m_finites.Add(std::move(spec));
}

SetDomSpec* Registry::AddSet(std::unique_ptr<SetDomSpec> spec) {
    return m_sets.Add(std::move(spec));
}

IntDomainSpec* Registry::FindInt(const std::string& name) const {
    return m_ints.Find(name);
}

FiniteDomainSpec* Registry::FindFinite(const std::string& name) const {
    return m_finites.Find(name);
}

SetDomSpec* Registry::FindSet(const std::string& name) const {
    return m_sets.Find(name);
}

void Registry::Release() {
    m_ints = {};
    m_finites = {};
    m_sets = {};
    m_boolSpec = AddInt(std::make_unique<IntDomainSpec>("BoolDomain", 0, 1, true));
    m_variableIds = 0;
    m_constraintIds = 0;
}

} // namespace GFCLib
