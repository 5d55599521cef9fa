#pragma once
// The largest argument value (-2147483648 for none). Bounds fixed at construction.

#include "localsearch/IntNaryOp.hpp"

#include <algorithm>
#include <climits>

namespace GLSLib {

class Maximum : public IntNaryOp {
public:
    explicit Maximum(const std::vector<IntObj*>& args) : IntNaryOp(args), m_upper(INT_MIN), m_lower(INT_MIN) {
        for (IntObj* x : m_args) {
            m_lower = std::max(m_lower, x->GetMin());
            m_upper = std::max(m_upper, x->GetMax());
        }
    }
    std::string GetName() const override { return "Maximum"; }
    // Undefined while an argument is undefined.
    IntResult Value() const override {
        int value = INT_MIN;
        for (IntObj* x : m_args)
        {
            const IntResult v = x->Value();
            if (!v) return std::nullopt;
            value = std::max(value, *v);
        }
        return value;
    }
    int GetMin() const override { return m_lower; }
    int GetMax() const override { return m_upper; }

private:
    int m_upper;
    int m_lower;
};

} // namespace GLSLib
