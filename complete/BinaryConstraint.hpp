#pragma once
// Base of the constraints over exactly two arguments.

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
    // Both arguments integer variables (null otherwise).
    IntVar* IntA() const;
    IntVar* IntB() const;
    // Narrows two integer variables to the bounds under which a + gap <= b can hold; false when
    // it cannot.
    [[nodiscard]] static bool KeepOrdered(IntVar* a, IntVar* b, long long gap);
};

} // namespace GFCLib
