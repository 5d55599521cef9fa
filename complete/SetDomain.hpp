#pragma once
// A set domain: every set s with required <= s <= possible and minSize <= |s| <= maxSize, over
// the universe of a SetDomSpec. Narrowing operations answer true when some set remains possible.

#include "complete/SetDomSpec.hpp"
#include "complete/SetDomainState.hpp"

#include <iosfwd>

namespace GFCLib {

class SetDomain {
public:
    SetDomain() = default;
    void Bind(SetDomSpec* spec);

    SetDomSpec* GetSpec() const { return m_spec; }
    const ValueSet& Required() const { return m_state.m_required; }
    const ValueSet& Possible() const { return m_state.m_possible; }
    int MinSize() const { return m_state.m_minSize; }
    int MaxSize() const { return m_state.m_maxSize; }
    // False when no set fits the bounds.
    bool IsConsistent() const;
    // Number of values still free to choose plus one (a cheap measure for ordering).
    int Size() const;

    // Universe element index must (or must not) be a member.
    [[nodiscard]] bool Require(int index);
    [[nodiscard]] bool Exclude(int index);
    // Members of set (matched by value) must all be members / are the only possible members.
    [[nodiscard]] bool RequireAll(const ValueSet& set);
    [[nodiscard]] bool RestrictTo(const ValueSet& set);
    // Members of set (matched by value) cannot be members.
    [[nodiscard]] bool ExcludeAll(const ValueSet& set);
    [[nodiscard]] bool LimitSize(int minSize, int maxSize);
    // Narrows the domain to exactly the set.
    [[nodiscard]] bool KeepOnly(const ValueSet& set);

    SetDomainState& GetState() { return m_state; }
    const SetDomainState& GetState() const { return m_state; }
    void Print(std::ostream& os) const;

private:
    SetDomSpec* m_spec = nullptr;
    SetDomainState m_state;
};

} // namespace GFCLib
