#pragma once
// The smallest or the largest argument value (the other end of the int range for none), with
// bounds fixed at construction. `Pick` is std::less<int> for the smallest, std::greater<int>
// for the largest.

#include "localsearch/IntNaryOp.hpp"

#include <climits>

namespace GLSLib {

template <class Pick> class ExtremeOp : public IntNaryOp {
public:
    explicit ExtremeOp(const std::vector<IntObj*>& args) : IntNaryOp(args), m_lower(None()), m_upper(None()) {
        for (IntObj* x : m_args) {
            m_lower = Better(m_lower, x->GetMin());
            m_upper = Better(m_upper, x->GetMax());
        }
    }
    // Undefined while an argument is undefined.
    IntResult Value() const override {
        int value = None();
        for (IntObj* x : m_args) {
            const IntResult v = x->Value();
            if (!v) return std::nullopt;
            value = Better(value, *v);
        }
        return value;
    }
    int GetMin() const override { return m_lower; }
    int GetMax() const override { return m_upper; }

private:
    static int Better(int a, int b) { return Pick()(b, a) ? b : a; }
    // The value of no arguments: the end of the range that every value beats.
    static int None() { return Pick()(0, 1) ? INT_MAX : INT_MIN; }

    int m_lower;
    int m_upper;
};

} // namespace GLSLib
