#pragma once
// A range whose values are worked out in whole at each reset and then walked in order (the
// elements of a list, its sublists, subsets or subsequences).

#include "language/tree/GenRangeBase.hpp"

#include <cstddef>
#include <vector>

namespace TavLanguage {

class GenListedRange : public GenRangeBase {
public:
    GenListedRange(int line, std::string name, GenPtr list)
        : GenRangeBase(line, std::move(name)), m_list(std::move(list)) {}
    bool AtEnd() const override { return m_position >= m_values.size(); }
    void Advance() override { ++m_position; }
    RPtr<RawExpr> Current() const override { return m_values[m_position]; }
    void ReleaseChildren(std::vector<GenObj*>& out) override { Release(m_list, out); }

protected:
    // The list expression the values come from.
    GenPtr m_list;
    // The values of the last reset; m_position indexes the current one.
    std::vector<RPtr<RawExpr>> m_values;
    std::size_t m_position = 0;
};

} // namespace TavLanguage
