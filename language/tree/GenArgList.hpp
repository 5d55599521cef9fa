#pragma once
// A list literal [a, b, ...] or a set literal {a, b, ...}. A set literal must hold constants; its
// value is a RawSet of distinct values (integers in ascending order).

#include "language/tree/GenObj.hpp"

namespace TavLanguage {

class GenArgList : public GenObj {
public:
    GenArgList(int line, GenList elements, bool isSet)
        : GenObj(line), m_elements(std::move(elements)), m_isSet(isSet) {}
    // Codes 44 (elements of different types), 19 (a set literal with variables).
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    RPtr<RawExpr> Gen(ParseContext& ctx) override;
    std::string GetName() const override { return m_isSet ? "Set" : "List"; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override { Release(m_elements, out); }

    // The generated elements of a set literal as a set value (code 19 unless all are constants).
    static RPtr<RawExpr> MakeSet(const std::vector<RPtr<RawExpr>>& elements, const GenObj& at);

private:
    GenList m_elements;
    bool m_isSet;
};

} // namespace TavLanguage
