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
    int GetValue() const override {
        int value = INT_MIN;
        for (IntObj* x : m_args)
            value = std::max(value, x->GetValue());
        return value;
    }
    int GetMin() const override { return m_lower; }
    int GetMax() const override { return m_upper; }

private:
    int m_upper;
    int m_lower;
};

} // namespace GLSLib
