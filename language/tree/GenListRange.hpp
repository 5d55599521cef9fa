#pragma once
// i in list: the elements of a list or set, in order.

#include "language/tree/GenRangeBase.hpp"

#include <vector>

class GenListRange : public GenRangeBase {
public:
    GenListRange(int line, std::string name, GenPtr list)
        : GenRangeBase(line, std::move(name)), m_list(std::move(list)) {}
    // Code 23 when the expression is not a list or set.
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    void Reset(ParseContext& ctx) override;
    bool AtEnd() const override { return m_position >= m_values.size(); }
    void Advance() override { ++m_position; }
    RPtr<RawExpr> Current() const override { return m_values[m_position]; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override { Release(m_list, out); }

private:
    GenPtr m_list;
    std::vector<RPtr<RawExpr>> m_values;
    std::size_t m_position = 0;
};
