#pragma once
// A set domain: every set s with required <= s <= possible and minSize <= |s| <= maxSize, over
// the universe of a SetDomSpec. Narrowing operations answer true when some set remains possible.
// While a search level is open on the attached trail, the first change in each level saves the
// state there.

#include "complete/SetDomSpec.hpp"
#include "complete/SetDomainState.hpp"

#include <cstdint>
#include <iosfwd>

namespace GFCLib {

class Trail;

class SetDomain {
public:
    SetDomain() = default;
    SetDomain(const SetDomain&) = delete;
    SetDomain& operator=(const SetDomain&) = delete;
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

    // Changes are saved on this trail from now on (null: not saved).
    void AttachTrail(Trail* trail) { m_trail = trail; }

    // The state for copying whole (Clone and Assign); change the domain through the operations
    // above, so that the trail sees every change.
    SetDomainState& GetState() { return m_state; }
    const SetDomainState& GetState() const { return m_state; }
    void Print(std::ostream& os) const;

private:
    friend class Trail;
    // Saves the state on the trail before the first change in the open level.
    void Touch();

    SetDomSpec* m_spec = nullptr;
    SetDomainState m_state;
    Trail* m_trail = nullptr;
    std::uint64_t m_stamp = 0;
};

} // namespace GFCLib
