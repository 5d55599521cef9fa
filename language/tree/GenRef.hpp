#pragma once
// A name standing for data, a variable (or array of variables), a forall index or a parameter
// of a user definition.

#include "language/tree/GenObj.hpp"

#include <string>

namespace TavLanguage {

class GenRef : public GenObj {
public:
    GenRef(int line, std::string name) : GenObj(line), m_name(std::move(name)) {}
    // Code 56 when the name is unknown or names a user definition.
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    RPtr<RawExpr> Gen(ParseContext& ctx) override;
    std::string GetName() const override { return m_name; }
    void Print(std::ostream& out) const override;

private:
    std::string m_name;
};

} // namespace TavLanguage
