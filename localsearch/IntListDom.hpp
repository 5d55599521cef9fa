#pragma once
// The integer domain of listed values, kept sorted ascending (duplicates stay).

#include "localsearch/IntDom.hpp"

#include <vector>

namespace GLSLib {

class IntListDom : public IntDom {
public:
    // Throws ModelError when values is empty or holds more than kMaxSize values.
    IntListDom(const char* name, const std::vector<int>& values);
    bool IsInterval() const override;
    int ValueAt(int index) const override { return m_values[static_cast<unsigned>(index)]; }
    // The last index holding value, -1 when none.
    int IndexOf(int value) const override;
    int Size() const override { return static_cast<int>(m_values.size()); }
    int Min() const override { return m_values.front(); }
    int Max() const override { return m_values.back(); }
    const std::vector<int>& GetValues() const { return m_values; }

private:
    std::vector<int> m_values;
};

} // namespace GLSLib
