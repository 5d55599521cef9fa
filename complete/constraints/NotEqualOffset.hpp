#pragma once
// a - b <> k over two integer variables and a constant: what q[i] - q[j] <> k and
// q[i] + i <> q[j] + j become, with no induced variable for the difference. Labelling one side
// takes one value from the other (forward checking, as every disequality); so does a side left
// with one value by propagation.

#include "complete/BinaryConstraint.hpp"

namespace GFCLib {

class IntVar;

class NotEqualOffset : public BinaryConstraint {
public:
    NotEqualOffset(IntVar* a, IntVar* b, long long offset);
    const char* GetName() const override { return "NotEqualOffset"; }
    // "NotEqualOffset(a,b,k)".
    void Print(std::ostream& os) const override;
    bool IsSatisfied() const override;
    // Expands the variables' domains so single values can be removed, then attaches.
    void Attach() override;
    // The unbound side loses the one value that the bound side rules out.
    bool FilterArg(int i) override;
    // FilterArg on the unbound side when one side is bound (no loop over the variables).
    bool ForwardCheck() override;
    bool FilterExact(int i) override {
        return Other(i)->IsBound() ? FilterArg(i) : Constraint::FilterExact(i);
    }
    // Woken when a side is left with one value (labelling forward-checks instead).
    DomainEvent WakeOn(int i) const override {
        (void)i;
        return DomainEvent::Fixed;
    }
    // A side left with one value rules one value of the other out.
    bool Propagate() override;
    bool ChecksWhenBound() const override { return false; }
    Truth Entailment() const override;
    // a = b + k by bounds.
    bool EnforceNegation() override;
    long long GetOffset() const { return m_offset; }

private:
    // Takes from `to` the value that the fixed value v of the other side rules out (to is the
    // first argument when toFirst).
    [[nodiscard]] bool Exclude(IntVar* to, bool toFirst, long long v) const;

    IntVar* m_a;
    IntVar* m_b;
    long long m_offset;
};

} // namespace GFCLib
