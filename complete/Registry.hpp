#pragma once
// The state that the library's constructors share while one problem is built: the named
// integer, finite and set domain domain descriptions, and the variable and constraint id counters. Each
// problem has a registry of its own, so several problems live side by side, in one thread or
// in several. Constructors and domain description lookups use the registry current on the calling thread:
// the one a Registry::Scope installed there, or else the thread's own default registry (which
// ReleaseGlobals empties). A registry must outlive every variable made over its domain descriptions.

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace GFCLib {

class FiniteDomainSpec;
class IntDomainSpec;
class SetDomSpec;

class Registry {
public:
    // Holds only "BoolDomain" (0 and 1); both id counters at 0.
    Registry();
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // The registry that constructors on this thread use now.
    static Registry& Current();

    // Makes a registry current on this thread for its lifetime; the previous one is current
    // again afterwards. Scopes nest.
    class Scope {
    public:
        explicit Scope(Registry& registry);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        Registry* m_previous;
    };

    // Takes a domain description under its name; a domain description of the same name made earlier stays
    // alive for its variables, and the name then refers to the new one.
    IntDomainSpec* AddInt(std::unique_ptr<IntDomainSpec> spec);
    FiniteDomainSpec* AddFinite(std::unique_ptr<FiniteDomainSpec> spec);
    SetDomSpec* AddSet(std::unique_ptr<SetDomSpec> spec);
    // The domain description of that name, or null.
    IntDomainSpec* FindInt(const std::string& name) const;
    FiniteDomainSpec* FindFinite(const std::string& name) const;
    SetDomSpec* FindSet(const std::string& name) const;
    // The domain description "BoolDomain" of the values 0 and 1.
    IntDomainSpec* BoolSpec() const { return m_boolSpec; }

    // The next variable id (0, 1, ...) and the number given out so far.
    int NextVariableId() { return m_variableIds++; }
    int VariableIdCount() const { return m_variableIds; }
    void ResetVariableIds() { m_variableIds = 0; }
    int NextConstraintId() { return m_constraintIds++; }
    void ResetConstraintIds() { m_constraintIds = 0; }

    // Frees every domain description ("BoolDomain" is made again) and resets both counters: a fresh start.
    // Every variable made over the freed domain descriptions must be gone first.
    void Release();

private:
    template <typename Spec> struct Named {
        std::vector<std::unique_ptr<Spec>> all;
        std::unordered_map<std::string, Spec*> byName;
        Spec* Add(std::unique_ptr<Spec> spec);
        Spec* Find(const std::string& name) const;
    };

    Named<IntDomainSpec> m_ints;
    Named<FiniteDomainSpec> m_finites;
    Named<SetDomSpec> m_sets;
    IntDomainSpec* m_boolSpec = nullptr;
    int m_variableIds = 0;
    int m_constraintIds = 0;
};

} // namespace GFCLib
