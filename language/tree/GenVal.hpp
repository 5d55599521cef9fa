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
    RPtr<RawExpr> Gen(ParseContext&) override;
    std::string GetName() const override { return "Value"; }
    void Print(std::ostream& out) const override;

    // True, with the value, for an integer literal.
    bool GetIntLiteral(int& value) const {
        if (m_kind != RawType::IntVal) return false;
        value = m_int;
        return true;
    }

private:
    // One shared constant: raw values are never changed. A number's raw node is made by the
    // first Gen (a large model holds many literals that never become raw nodes, its indices).
    RPtr<RawExpr> m_value;
    double m_real = 0.0;
    int m_int = 0;
    RawType m_kind;
};

} // namespace TavLanguage
