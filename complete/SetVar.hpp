#pragma once
// A variable whose value is a subset of a SetDomSpec's universe. Its values are enumerated by
// size, then lexicographically (ValueSet::NextSet).

#include "complete/SetDomain.hpp"
#include "complete/SetVarState.hpp"
#include "complete/Variable.hpp"

namespace GFCLib {

class SetVar : public Variable {
public:
    // A variable over the registered set domain description; throws Platform::InternalError when unknown.
    SetVar(const char* name, const char* specName);
    // A variable without a domain; give it one with SetDomainSpec.
    SetVar();
    void SetDomainSpec(SetDomSpec* spec);

    int GetType() const override { return static_cast<int>(TypeCode::SetVar); }
    // Bound: the value; else the required set (min) or the possible set (max).
    Value GetMin() const override;
    Value GetMax() const override;
    void SetValue(const Value& value) override;
    void RestoreIndex(int index) override {
        m_state.m_started = index >= 0;
        m_state.m_instantiated = false;
    }
    bool NextValue() override;
    bool HasNextValue() const override;
    // A set domain cannot drop one set value: only unbinds.
    void RemoveCurrentValue() override { m_state.m_instantiated = false; }
    void AttachTrail(Trail* trail) override { m_domain.AttachTrail(trail, this); }
    VarState& GetState() override { return m_state; }
    const VarState& GetState() const override { return m_state; }
    DomainState& GetDomainState() override { return m_domain.GetState(); }
    void SetToIndex(int k) override { (void)k; }
    int GetIndex() const override { return m_state.m_started ? 0 : -1; }
    int GetDomainSize() const override { return m_domain.Size(); }
    [[nodiscard]] bool KeepValuesOf(const CPObject& other) override;
    [[nodiscard]] bool RemoveValueOf(const CPObject& other) override;
    bool HasValues() const override { return m_domain.IsConsistent(); }
    SetDomain& GetDomain() { return m_domain; }
    const SetDomain& GetDomain() const { return m_domain; }
    // The current set (valid while bound).
    const ValueSet& GetSet() const { return m_state.m_value.GetSet(); }

protected:
    void PrintDomain(std::ostream& os) const override { m_domain.Print(os); }
    // Computes the set after current (or the first when !started) into result.
    bool Advance(bool started, Value& result) const;

    SetDomain m_domain;
    SetVarState m_state;
};

} // namespace GFCLib
