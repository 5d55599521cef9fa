#pragma once
// Base of the constraints over exactly two arguments. For the comparisons it reads integer
// arguments (integer variables and integer constants) by their bounds.

#include "complete/Constraint.hpp"

namespace GFCLib {

class IntVar;

class BinaryConstraint : public Constraint {
public:
    BinaryConstraint() = default;
    BinaryConstraint(CPObject* a, CPObject* b) { SetArgs(a, b); }
    // The arguments become (a, b), replacing any earlier ones.
    void SetArgs(CPObject* a, CPObject* b);
    virtual int Arity() const { return 2; }

protected:
    CPObject* A() const { return m_args[0]; }
    CPObject* B() const { return m_args[1]; }
    // The argument opposite to m_vars[i].
    CPObject* Other(int i) const {
        return m_args[static_cast<std::size_t>(1 - m_argIndex[static_cast<std::size_t>(i)])];
    }
    // True when m_vars[i] is the first argument.
    bool IsFirst(int i) const { return m_argIndex[static_cast<std::size_t>(i)] == 0; }
    // True when both arguments are integers (variables or constants).
    bool BothIntegers() const { return m_sides[0].integer && m_sides[1].integer; }
    // With BothIntegers: the bounds of argument k (0 or 1), a bound variable's value.
    long long Low(int k) const;
    long long High(int k) const;
    // With BothIntegers: narrows the variables among the arguments to the bounds under which
    // a + gap <= b can hold; false when it cannot.
    [[nodiscard]] bool KeepOrdered(int a, int b, long long gap);
    // With BothIntegers: whether the bounds make a + gap <= b sure or impossible.
    Truth Ordered(int a, int b, long long gap) const;
    // The integer variable of argument k, or null.
    IntVar* IntVarAt(int k) const { return m_sides[static_cast<std::size_t>(k)].var; }

private:
    // An argument as an integer: a variable, or a constant's value.
    struct Side {
        bool integer = false;
        IntVar* var = nullptr;
        long long constant = 0;
    };
    Side m_sides[2];
};

} // namespace GFCLib
