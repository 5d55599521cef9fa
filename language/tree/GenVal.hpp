#pragma once
// A literal: integer (true and false are 1 and 0), real or string.

#include "language/tree/GenObj.hpp"

#include <string>

namespace TavLanguage {

class GenVal : public GenObj {
public:
    GenVal(int line, int value);
    GenVal(int line, double value);
    GenVal(int line, std::string value);
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    RPtr<RawExpr> Gen(ParseContext&) override { return m_value; }
    std::string GetName() const override { return "Value"; }
    void Print(std::ostream& out) const override;

private:
    RPtr<RawExpr> m_value; // one shared constant: raw values are never changed
};

} // namespace TavLanguage
