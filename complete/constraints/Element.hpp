#pragma once
// value = list[index], 0-based: arguments (index, value) by SetArgs, and a copy of the list.
// Propagation keeps the index at the positions whose list value the value can take, and the
// value at what those positions hold (by bounds when it has very many values).

#include "complete/BinaryConstraint.hpp"
#include "complete/BitVector.hpp"
#include "complete/Value.hpp"

namespace GFCLib {

class IntVar;
class Variable;

class Element : public BinaryConstraint {
public:
    Element() = default;
    Element(CPObject* index, CPObject* value, const std::vector<Value>& list)
        : BinaryConstraint(index, value), m_list(list) {}
    void SetValueList(const std::vector<Value>& list) { m_list = list; }
    const std::vector<Value>& GetValueList() const { return m_list; }
    const char* GetName() const override { return "Element"; }
    // "Element(index,[v0,v1,...],value)".
    void Print(std::ostream& os) const override;
    bool IsSatisfied() const override;
    // The index keeps only positions of the list (before the default preparation).
    bool Preprocess() override;
    bool FilterArg(int i) override;
    DomainEvent WakeOn(int i) const override {
        (void)i;
        return DomainEvent::Values;
    }
    bool Propagate() override;
    bool PropagatesOnLabelling() const override { return true; }

private:
    // Keeps the value's domain at the list values of the positions the index can take.
    [[nodiscard]] bool NarrowValue(const IntVar& index, Variable& value);

    std::vector<Value> m_list;
    std::vector<int> m_supported; // scratch of Propagate: integer values the value may keep
    BitVector m_marks;            // scratch of Propagate: positions the value may keep
};

} // namespace GFCLib
