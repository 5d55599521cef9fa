#pragma once
// name(arguments): a call of a user-defined constraint or function, expanded like a macro: the
// arguments are evaluated where the call stands, then the body is generated with each parameter
// standing for its argument. A name without a definition may be a built-in known only by name
// (circuit(list), the raw constraint 2).

#include "language/tree/GenObj.hpp"

#include <string>

namespace TavLanguage {

class GenUserDef;

class GenUserCall : public GenObj {
public:
    GenUserCall(int line, std::string name, GenList args)
        : GenObj(line), m_name(std::move(name)), m_args(std::move(args)) {}
    // Codes 59 (unknown name), 29 (wrong argument count), 24 (the name is not a definition).
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    RPtr<RawExpr> Gen(ParseContext& ctx) override;
    // As a statement, a user constraint posts its body's constraints one by one.
    void Emit(ParseContext& ctx, ConstraintSink& sink) override;
    std::string GetName() const override { return m_name; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override { Release(m_args, out); }

private:
    GenUserDef* FindDefinition(ParseContext& ctx);
    // Binds the parameters to the argument values, runs `expand`, removes them again.
    template <class ExpandBody> auto Expand(ParseContext& ctx, GenUserDef& def, ExpandBody expand);

    std::string m_name;
    GenList m_args;
};

} // namespace TavLanguage
