#pragma once
// Base of the induced set variables (union, intersection of set variables): a SetVar over the
// union of its operands' universes, whose definition it owns.

#include "complete/SetVar.hpp"
#include "complete/induced/InducedVar.hpp"

#include <memory>

namespace GFCLib {

class InducedSetVar : public SetVar, public InducedVar {
public:
    // Binds the operands (set variables; throws Platform::InternalError otherwise) and the
    // domain: every subset of the operands' joint universe.
    template <typename T> void Init(const std::vector<T*>& list) {
        InitList(std::vector<CPObject*>(list.begin(), list.end()));
    }
    bool IsInduced() const override { return true; }
    void PrintName(std::ostream& os) const override;
    bool Holds() const override;
    bool Propagate() override;

protected:
    virtual const char* FunctionName() const = 0;
    // The set the operands' current values give.
    virtual ValueSet Combine() const = 0;
    // Bounds from the unbound operands: what must be in and what may be in the result.
    virtual void Limits(ValueSet& required, ValueSet& possible) const = 0;
    // The most members the result can have given its operands' sizes (default: no limit).
    virtual int MaxSizeLimit() const { return m_domain.MaxSize(); }
    // Narrows the unbound operands by what the result must and may hold; false when one empties.
    [[nodiscard]] virtual bool NarrowOperands(const ValueSet& required, const ValueSet& possible) {
        (void)required, (void)possible;
        return true;
    }
    void InitList(const std::vector<CPObject*>& list);

    std::vector<SetVar*> m_operands;
    std::unique_ptr<SetDomSpec> m_ownSpec;
};

} // namespace GFCLib
