#pragma once
// The smallest argument value (2147483647 for none). Bounds fixed at construction.

#include "localsearch/IntNaryOp.hpp"

#include <algorithm>
#include <climits>

namespace GLSLib {

class Minimum : public IntNaryOp {
public:
    explicit Minimum(const std::vector<IntObj*>& args) : IntNaryOp(args), m_upper(INT_MAX), m_lower(INT_MAX) {
        for (IntObj* x : m_args) {
            m_lower = std::min(m_lower, x->GetMin());
            m_upper = std::min(m_upper, x->GetMax());
        }
    }
    std::string GetName() const override { return "Minimum"; }
    // Undefined while an argument is undefined.
    IntResult Value() const override {
        int value = INT_MAX;
        for (IntObj* x : m_args) {
            const IntResult v = x->Value();
            if (!v) return std::nullopt;
            value = std::min(value, *v);
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
