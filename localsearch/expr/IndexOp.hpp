#pragma once
// values[index]; an index outside 0..n-1 is undefined. Bounds fixed at construction over the
// entries the index's range can reach.

#include "localsearch/IntUnaryOp.hpp"

#include <vector>

namespace GLSLib {

class IndexOp : public IntUnaryOp {
public:
    IndexOp(IntObj* index, const std::vector<int>& values);
    std::string GetName() const override { return "Index"; }
    bool IsArithmetic() override { return false; }
    // Undefined for an index outside the list.
    IntResult Value() const override {
        const IntResult i = m_arg->Value();
        if (!i || *i < 0 || static_cast<unsigned>(*i) >= m_values.size()) return std::nullopt;
        return m_values[static_cast<unsigned>(*i)];
    }
    int GetMin() const override { return m_lower; }
    int GetMax() const override { return m_upper; }
    const std::vector<int>& GetValues() const { return m_values; }

private:
    int m_upper;
    int m_lower;
    std::vector<int> m_values;
};

} // namespace GLSLib
