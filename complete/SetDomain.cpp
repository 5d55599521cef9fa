#include "complete/SetDomain.hpp"

#include "complete/Trail.hpp"
#include "complete/Value.hpp"

#include <algorithm>
#include <ostream>

namespace GFCLib {

void SetDomain::Bind(SetDomSpec* spec) {
    m_spec = spec;
    m_state = SetDomainState(spec != nullptr ? spec->Universe() : nullptr);
}

void SetDomain::Touch() {
    if (m_trail != nullptr && m_stamp != m_trail->Stamp()) m_trail->Save(*this);
}

bool SetDomain::IsConsistent() const {
    const int required = Required().Size();
    const int possible = Possible().Size();
    return Required().Bits().IsSubsetOf(Possible().Bits()) &&
           std::max(required, MinSize()) <= std::min(possible, MaxSize());
}

int SetDomain::Size() const {
    return Possible().Size() - Required().Size() + 1;
}

bool SetDomain::Require(int index) {
    if (index < 0 || !Possible().Contains(index)) return false;
    if (Required().Contains(index)) return IsConsistent();
    Touch();
    m_state.m_required.AddIndex(index);
    return IsConsistent();
}

bool SetDomain::Exclude(int index) {
    if (index >= 0 && Possible().Contains(index)) {
        if (Required().Contains(index)) return false;
        Touch();
        m_state.m_possible.RemoveIndex(index);
    }
    return IsConsistent();
}

bool SetDomain::RequireAll(const ValueSet& set) {
    for (int i = set.Bits().First(); i >= 0; i = set.Bits().NextSet(i + 1)) {
        const int mine = Possible().IndexOf(set.At(i));
        if (mine < 0 || !Possible().Contains(mine)) return false;
        if (Required().Contains(mine)) continue;
        Touch();
        m_state.m_required.AddIndex(mine);
    }
    return IsConsistent();
}

bool SetDomain::RestrictTo(const ValueSet& set) {
    Touch();
    m_state.m_possible &= set;
    return IsConsistent();
}

bool SetDomain::ExcludeAll(const ValueSet& set) {
    Touch();
    m_state.m_possible -= set;
    return IsConsistent();
}

bool SetDomain::LimitSize(int minSize, int maxSize) {
    if (minSize > m_state.m_minSize || maxSize < m_state.m_maxSize) {
        Touch();
        m_state.m_minSize = std::max(m_state.m_minSize, minSize);
        m_state.m_maxSize = std::min(m_state.m_maxSize, maxSize);
    }
    return IsConsistent();
}

bool SetDomain::KeepOnly(const ValueSet& set) {
    if (!RestrictTo(set)) return false;
    if (!RequireAll(set)) return false;
    // Members of set outside this universe cannot be represented.
    if (Required().Size() != set.Size()) return false;
    return LimitSize(set.Size(), set.Size());
}

void SetDomain::Print(std::ostream& os) const {
    os << Required() << ".." << Possible();
}

} // namespace GFCLib
