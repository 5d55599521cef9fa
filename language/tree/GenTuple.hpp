#pragma once
// A tuple (a, b, ...) of at least two components.

#include "language/tree/GenObj.hpp"

namespace TavLanguage {

class GenTuple : public GenObj {
public:
    GenTuple(int line, GenList components) : GenObj(line), m_components(std::move(components)) {}
    // Code 26 with fewer than two components.
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    RPtr<RawExpr> Gen(ParseContext& ctx) override;
    std::string GetName() const override { return "Tuple"; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override { Release(m_components, out); }

private:
    GenList m_components;
};

} // namespace TavLanguage
