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
    // True when propagation can narrow something now.
    virtual bool WantsPropagation() const = 0;
    // Narrows the variable and its operands; false when a domain became empty.
    [[nodiscard]] virtual bool Propagate() = 0;

protected:
    // Creates the definition over (self, operands...).
    void Define(Variable* self, const std::vector<CPObject*>& operands);

private:
    std::unique_ptr<Constraint> m_definition;
    bool m_attached = false;
};

} // namespace GFCLib
