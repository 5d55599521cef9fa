#pragma once
// A variable over a finite domain (positions of a domain description's universe): the common part of integer
// and enumerated variables.

#include "complete/FiniteDomain.hpp"
#include "complete/FiniteVarState.hpp"
#include "complete/Variable.hpp"

#include <memory>

namespace GFCLib {

class FiniteVar : public Variable {
public:
    explicit FiniteVar(const char* name, std::unique_ptr<FiniteVarState> state);

    bool IsFinite() const override { return true; }
    Value GetMin() const override;
    Value GetMax() const override;
    void SetValue(const Value& value) override;
    void RestoreIndex(int index) override {
        m_state->m_index = index;
        m_state->m_instantiated = false;
    }
    bool NextValue() override;
    bool HasNextValue() const override { return m_domain.NextAfter(m_state->m_index) >= 0; }
    void RemoveCurrentValue() override;
    void ExpandDomain() override { m_domain.Expand(GetName()); }
    void AttachTrail(Trail* trail) override { m_domain.AttachTrail(trail, this); }
    VarState& GetState() override { return *m_state; }
    const VarState& GetState() const override { return *m_state; }
    DomainState& GetDomainState() override { return m_domain.GetState(); }
    void SetToIndex(int k) override {
        m_state->m_instantiated = true;
        m_state->m_index = k;
        m_state->m_value = m_domain.ValueAt(k);
    }
    int GetIndex() const override { return m_state->m_index; }
    int GetDomainSize() const override { return m_domain.Size(); }
    [[nodiscard]] bool KeepValuesOf(const CPObject& other) override;
    [[nodiscard]] bool RemoveValueOf(const CPObject& other) override;
    bool SameSpec(const CPObject& other) const override;
    bool HasValues() const override { return !m_domain.IsEmpty(); }
    FiniteDomain* GetFiniteDomain() override { return &m_domain; }
    const FiniteDomain* GetFiniteDomain() const override { return &m_domain; }
    FiniteDomain& GetDomain() { return m_domain; }
    const FiniteDomain& GetDomain() const { return m_domain; }

protected:
    void PrintDomain(std::ostream& os) const override { m_domain.Print(os); }

    FiniteDomain m_domain;
    std::unique_ptr<FiniteVarState> m_state;
};

} // namespace GFCLib
