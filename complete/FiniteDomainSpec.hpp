#pragma once
// A named universe of values from which finite domains are made. Specs live in their problem's
// registry by name (Registry); the universe never changes once created, so domains refer to
// positions in it.

#include "complete/Value.hpp"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace GFCLib {

class FiniteDomainSpec {
public:
    FiniteDomainSpec(std::string name, std::vector<Value> universe);
    virtual ~FiniteDomainSpec() = default;

    // Creates a named spec of finite (string and other) values in the current registry. A spec
    // of the same name made earlier stays alive for its variables; the name then refers to the
    // new one.
    static FiniteDomainSpec* Create(const char* name, const std::vector<Value>& values);
    // The finite spec of that name in the current registry, or null.
    static FiniteDomainSpec* Find(const char* name);

    const std::string& GetName() const { return m_name; }
    int UniverseSize() const { return static_cast<int>(m_universe.size()); }
    const Value& At(int index) const { return m_universe[static_cast<std::size_t>(index)]; }
    std::vector<Value>& Universe() { return m_universe; }
    const std::vector<Value>& Universe() const { return m_universe; }
    // Position of value in the universe, or -1.
    virtual int IndexOf(const Value& value) const;
    // True when domains over this spec filter only their bounds by default (integer ranges).
    virtual bool IsInterval() const { return false; }

protected:
    std::string m_name;
    std::vector<Value> m_universe;

private:
    std::unordered_map<std::string, int> m_stringIndex; // for string universes
};

} // namespace GFCLib
