#pragma once
// What every induced variable shares: a variable whose value is a function of other
// arguments (an expression), defined by a constraint it owns. The definition joins the search
// when the variable is added to a problem; the search labels induced variables after the
// decision variables, when their definitions have usually fixed them already.

#include "complete/Constraint.hpp"

#include <memory>

namespace GFCLib {

class InducedVar {
public:
    virtual ~InducedVar() = default;
    // Attaches the definition to its variables once; later calls do nothing.
    void AttachDefinition();
    Constraint* GetDefinition() const { return m_definition.get(); }

    // The definition's truth over the current values (all bound).
    virtual bool Holds() const = 0;
    // Narrows the variable and its operands by their domains (a bound one by its value); false
    // when a domain became empty or the definition cannot hold.
    [[nodiscard]] virtual bool Propagate() = 0;
    // Whether a change of the definition's variable i (0: this one, then the operands that are
    // variables) of this strength calls for Propagate after all; asked only when FiltersWakes.
    virtual bool FiltersWakes() const { return false; }
    virtual bool IsWokenBy(int i, DomainEvent event) {
        (void)i, (void)event;
        return true;
    }
    // Told when a variable of the definition is labelled (labelled true) and released, when
    // HearsLabelling.
    virtual bool HearsLabelling() const { return false; }
    virtual void OnLabelled(const Variable* v, bool labelled) { (void)v, (void)labelled; }
    // The weakest change of v (the variable itself or an operand) that calls for Propagate.
    virtual DomainEvent WakeOn(const Variable* v) const {
        (void)v;
        return DomainEvent::Values;
    }

protected:
    // Creates the definition over (self, operands...).
    void Define(Variable* self, const std::vector<CPObject*>& operands);

private:
    std::unique_ptr<Constraint> m_definition;
    bool m_attached = false;
};

} // namespace GFCLib
