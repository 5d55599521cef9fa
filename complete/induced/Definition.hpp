#pragma once
// The constraint "induced variable = its expression", owned by the induced variable and
// delegating to it.

#include "complete/GeneralConstraint.hpp"

namespace GFCLib {

class InducedVar;

class Definition : public GeneralConstraint {
public:
    Definition(InducedVar* owner, const std::vector<CPObject*>& args);
    const char* GetName() const override { return "Definition"; }
    bool IsSatisfied() const override;
    // Propagates while some argument is unbound.
    bool ForwardChecksUntilBound() const override { return true; }
    bool ForwardCheck() override;
    DomainEvent WakeOn(int i) const override;
    bool IsWokenBy(int i, DomainEvent event) override;
    void HearLabelling(Variable* var, bool labelled) override;
    bool Propagate() override;
    bool PropagatesOnLabelling() const override { return true; }

private:
    InducedVar* m_owner;
};

} // namespace GFCLib
