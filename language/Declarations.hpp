#pragma once
// The actions of the domain and variable declarations: they enter domains and variables into the
// raw problem as soon as a declaration is read, and bind variable names in the symbol table.

#include "language/tree/GenObj.hpp"

#include <string>
#include <vector>

namespace TavLanguage {

class ParseContext;

// One name of a variable declaration with its dimensions (x, or x[2][3]).
struct IdentDecl {
    std::string name;
    GenList dims;
    int line = 0;
};

namespace Declarations {

// intdom name = [low, high]; bounds must be integer values (code 18).
void AddIntDomainRange(ParseContext& ctx, int line, const std::string& name, GenPtr low, GenPtr high);
// intdom name = {a, b, ...}; and setdom name = {a, b, ...};
void AddIntDomainList(ParseContext& ctx, int line, const std::string& name, GenList values, bool setDomain);
// enumdom name = {"a", "b", ...};
void AddEnumDomain(ParseContext& ctx, int line, const std::string& name,
                   const std::vector<std::string>& values);
// intvar/enumvar/setvar names :: domain;  boolvar/realvar names;  `token` is the keyword's token.
// Arrays x[2][3] become the variables x[0][0] ... x[1][2] in row-major order. Each variable
// counts towards the parse's bound on what it generates (ParseContext::TakeDeclared); a
// declaration past it, or with a negative size, is refused with code 62 naming it.
void AddVariables(ParseContext& ctx, int token, std::vector<IdentDecl>& names, const std::string& domain,
                  int line);

// The value of a constant integer expression (code 18 otherwise).
int ConstantInt(ParseContext& ctx, GenObj& expr);

} // namespace Declarations

} // namespace TavLanguage
