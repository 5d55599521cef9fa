#pragma once
// The induced variable "how many of x_1..x_n take one of the counted values". Forward checking
// keeps the count between the sure and the possible occurrences and, when the count is
// reached (or must be reached), removes (or forces) the counted values in the unbound operands.

#include "complete/FiniteDomainSpec.hpp"
#include "complete/induced/InducedIntVar.hpp"

namespace GFCLib {

class CountOp : public InducedIntVar {
public:
    template <typename T> CountOp(const std::vector<T*>& list, const std::vector<Value>& values) {
        InitCount(std::vector<CPObject*>(list.begin(), list.end()), values);
    }
    void PrintExpr(std::ostream& os) const override;
    bool Holds() const override;
    bool Propagate() override;
    // Any removal may take a counted value from an operand; the count itself acts on its bounds.
    DomainEvent WakeOn(const Variable* v) const override {
        return v == this ? DomainEvent::Bounds : DomainEvent::Values;
    }

private:
    void InitCount(const std::vector<CPObject*>& list, const std::vector<Value>& values);
    bool Counted(const Value& v) const;

    std::vector<CPObject*> m_operands;
    std::vector<Variable*> m_operandVars; // null for constants
    std::vector<Value> m_values;          // distinct
    std::vector<Variable*> m_open;        // scratch of Propagate
    // The positions of the counted values in each distinct universe of the operands, and per
    // operand the entry of its universe (-1 for a constant or an operand without a finite
    // domain): a count over many variables looks positions up instead of values.
    std::vector<const FiniteDomainSpec*> m_specs;
    std::vector<std::vector<int>> m_positions;
    std::vector<int> m_universeOf;
};

} // namespace GFCLib
