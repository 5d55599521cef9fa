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
    // Throws Obj::Undef for an index outside the list.
    int GetValue() const override {
        const int i = m_arg->GetValue();
        if (i < 0 || static_cast<unsigned>(i) >= m_values.size()) throw Undef();
        return m_values[static_cast<unsigned>(i)];
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
