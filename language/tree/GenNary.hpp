#pragma once
// The built-in constraints (AllDifferent, Sequence, Element, Member, NotMember, SubsetOf,
// StrictSubsetOf, AllDisjoint) and functions (Sum, Minimum, Maximum, Count, ScalProd, Abs, Power,
// Union, Intersection), named by their token. List arguments become one RawArr argument; value
// lists (of Sequence, Element, Count, ScalProd) become a RawArr of integer constants. Calls over
// constants only fold to their value.

#include "language/tree/GenObj.hpp"

namespace TavLanguage {

class GenNary : public GenObj {
public:
    GenNary(int line, int token, GenList args) : GenObj(line), m_token(token), m_args(std::move(args)) {}
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    RPtr<RawExpr> Gen(ParseContext& ctx) override;
    std::string GetName() const override;
    int GetToken() const override { return m_token; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override { Release(m_args, out); }

private:
    [[noreturn]] void Fail(int code) const;
    // Checks that argument i is a list whose elements pass `test`; `code` otherwise.
    template <class Test> void CheckList(std::size_t i, int code, Test test) const;
    void CheckIntegral(std::size_t i) const;
    void CheckValueList(std::size_t i) const;
    bool ElementsAreVariables(std::size_t i) const;

    int m_token;
    GenList m_args;
};

} // namespace TavLanguage
