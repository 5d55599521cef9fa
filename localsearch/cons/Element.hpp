#pragma once
// values[index] = value: 0 when it holds; otherwise 1000 when value occurs in the list and
// 2000 when not (an index outside the list is simply violated); 3000 when undefined.

#include "localsearch/BinIntCon.hpp"
#include "localsearch/IntSet.hpp"

#include <vector>

namespace GLSLib {

class Element : public BinIntCon {
public:
    Element(IntObj* index, const std::vector<int>& values, IntObj* value)
        : BinIntCon(index, value), m_values(values), m_valueSet(values) {}
    // "Element(", index, "[", the values separated by ",", "],", value, ")".
    std::ostream& Print(std::ostream& os) const override {
        os << "Element(" << *m_left << "[";
        for (std::size_t i = 0; i < m_values.size(); ++i)
            os << (i ? "," : "") << m_values[i];
        return os << "]," << *m_right << ")";
    }
    std::string GetName() const override { return "Element"; }
    double GetViolation() const override {
        const IntResult index = m_left->Value();
        const IntResult value = m_right->Value();
        if (!index || !value) return GetMaxViolation();
        {
            const int i = *index;
            const int v = *value;
            if (i >= 0 && static_cast<unsigned>(i) < m_values.size() &&
                m_values[static_cast<unsigned>(i)] == v)
                return 0.0;
            return m_valueSet.Contains(v) ? 1000.0 : 2000.0;
        }
    }
    double GetMaxViolation() const override { return 1000 * 3.0; }

private:
    std::vector<int> m_values;
    IntSet m_valueSet;
};

} // namespace GLSLib
