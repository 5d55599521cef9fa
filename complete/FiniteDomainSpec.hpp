#pragma once
// A named universe of values from which finite domains are made. Specs live in their problem's
// registry by name (Registry); the universe never changes once created, so domains refer to
// positions in it. This class holds its universe as a list of values; IntDomainSpec describes
// integer universes without listing them.

#include "complete/Value.hpp"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace GFCLib {

class FiniteDomainSpec {
public:
    // Most values a universe may have: positions are 32-bit.
    static constexpr std::int64_t kMaxUniverseSize = std::int64_t{1} << 31;

    FiniteDomainSpec(std::string name, std::vector<Value> universe);
    virtual ~FiniteDomainSpec() = default;
    FiniteDomainSpec(const FiniteDomainSpec&) = delete;
    FiniteDomainSpec& operator=(const FiniteDomainSpec&) = delete;

    // Creates a named domain description of finite (string and other) values in the current registry. A
    // domain description of the same name made earlier stays alive for its variables; the name then refers to
    // the new one.
    static FiniteDomainSpec* Create(const char* name, const std::vector<Value>& values);
    // The finite domain description of that name in the current registry, or null.
    static FiniteDomainSpec* Find(const char* name);

    const std::string& GetName() const { return m_name; }
    // Number of values (positions 0 .. UniverseSize() - 1).
    virtual std::int64_t UniverseSize() const { return static_cast<std::int64_t>(m_universe.size()); }
    // The value at a position in range.
    virtual Value At(int index) const { return m_universe[static_cast<std::size_t>(index)]; }
    // Position of value in the universe, or -1.
    virtual int IndexOf(const Value& value) const;
    // True when domains over this domain description filter only their bounds by default (integer ranges).
    virtual bool IsInterval() const { return false; }

protected:
    // For subclasses that describe their universe themselves.
    explicit FiniteDomainSpec(std::string name) : m_name(std::move(name)) {}

    std::string m_name;

private:
    std::vector<Value> m_universe;
    std::unordered_map<std::string, int> m_stringIndex; // for string universes
};

} // namespace GFCLib
