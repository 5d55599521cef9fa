#pragma once
// [expression | ranges] or {expression | ranges}: the expression's value for every passing
// combination of index values, in walking order (a set keeps distinct values).

#include "language/tree/GenRangeDecls.hpp"

namespace TavLanguage {

class GenIntensionalList : public GenObj {
public:
    GenIntensionalList(int line, GenPtr expression, GenRangeDecls ranges, bool isSet)
        : GenObj(line), m_expression(std::move(expression)), m_ranges(std::move(ranges)), m_isSet(isSet) {}
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    RPtr<RawExpr> Gen(ParseContext& ctx) override;
    std::string GetName() const override { return "IntensionalList"; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override {
        Release(m_expression, out);
        m_ranges.Release(out);
    }

private:
    GenPtr m_expression;
    GenRangeDecls m_ranges;
    bool m_isSet;
};

} // namespace TavLanguage
