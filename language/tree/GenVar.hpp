#pragma once
// A subscripted name, name[i][j]...: an element of an array of variables or values, indexed
// from 0. A constant index picks the element; a variable index over a list of integer
// constants becomes the Index operator.

#include "language/tree/GenObj.hpp"

#include <string>

namespace TavLanguage {

class GenVar : public GenObj {
public:
    GenVar(int line, std::string name, GenList indices);
    // Codes 54 (unknown name), 60 (not an array), 7 (index not integral), 18 (variable index
    // over anything but a list of integer values).
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    // Code 63 for an index out of range.
    RPtr<RawExpr> Gen(ParseContext& ctx) override;
    std::string GetName() const override { return m_name; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override { Release(m_indices, out); }
    // The reference as written for the side information ("row[i]").
    std::string Text() const;

private:
    // Number of indices, literal or not.
    std::size_t IndexCount() const { return m_literalCount > 0 ? m_literalCount : m_indices.size(); }

    std::string m_name;
    // The index expressions; empty when every index is an integer literal (SD[3][7], the bulk of
    // a large generated model), which are then kept as numbers below instead of as nodes.
    GenList m_indices;
    static constexpr std::size_t kMaxLiterals = 3;
    int m_literals[kMaxLiterals] = {};
    std::size_t m_literalCount = 0;
};

} // namespace TavLanguage
