#pragma once
// A named universe of values for set variables: each set variable's value is a subset of it.
// Specs live in their problem's registry (Registry).

#include "complete/Value.hpp"

#include <memory>
#include <string>
#include <vector>

namespace GFCLib {

class SetDomSpec {
public:
    SetDomSpec(std::string name, std::vector<Value> universe);

    // Creates the named domain description over the universe (repeated values dropped) in the current
    // registry.
    static SetDomSpec* Create(const char* name, const std::vector<Value>& universe);
    // An unregistered domain description owned by the caller (induced set variables).
    static std::unique_ptr<SetDomSpec> MakeAnonymous(const std::vector<Value>& universe);
    // The set domain description of that name in the current registry, or null.
    static SetDomSpec* Find(const char* name);

    const std::string& GetName() const { return m_name; }
    std::vector<Value>* Universe() { return &m_universe; }
    int UniverseSize() const { return static_cast<int>(m_universe.size()); }

private:
    std::string m_name;
    std::vector<Value> m_universe;
};

} // namespace GFCLib
