#pragma once
// State of a set domain: the sets between required and possible whose size lies in
// [minSize, maxSize]. Both sets share the universe of the domain's SetDomSpec.

#include "complete/DomainState.hpp"
#include "complete/ValueSet.hpp"

namespace GFCLib {

class SetDomainState : public DomainState {
public:
    SetDomainState() = default;
    explicit SetDomainState(std::vector<Value>* universe)
        : m_required(universe, false), m_possible(universe, true), m_minSize(0),
          m_maxSize(universe != nullptr ? static_cast<int>(universe->size()) : 0) {}
    DomainState* Clone() const override { return new SetDomainState(*this); }
    void Assign(const DomainState& other) override {
        if (this == &other) return;
        const auto& o = static_cast<const SetDomainState&>(other);
        m_required.Bits() = o.m_required.Bits();
        m_possible.Bits() = o.m_possible.Bits();
        m_minSize = o.m_minSize;
        m_maxSize = o.m_maxSize;
    }

    ValueSet m_required;
    ValueSet m_possible;
    int m_minSize = 0;
    int m_maxSize = 0;
};

} // namespace GFCLib
