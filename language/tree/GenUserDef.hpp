#pragma once
// A user-defined constraint, constraint name(params) { body }, or function,
// function name(params) { body return expression; }. Calls expand the body like a macro with
// each parameter standing for the call's argument value.

#include "language/tree/GenBody.hpp"

#include <string>
#include <vector>

namespace TavLanguage {

class GenUserDef : public GenObj {
public:
    GenUserDef(int line, bool isFunction, std::string name, std::vector<std::string> params, GenPtr body,
               GenPtr result)
        : GenObj(line), m_isFunction(isFunction), m_name(std::move(name)), m_params(std::move(params)),
          m_body(std::move(body)), m_result(std::move(result)) {}
    // A definition itself is checked at each call.
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    RPtr<RawExpr> Gen(ParseContext& ctx) override;
    // In a body: binds the name for the statements after it.
    [[nodiscard]] bool CheckStatement(ParseContext& ctx) override;
    void Emit(ParseContext& ctx, ConstraintSink& sink) override;
    // At the top of the problem: binds for good (code 3 for a used name).
    void Declare(ParseContext& ctx);
    bool IsDeclaration() const override { return true; }
    std::string GetName() const override { return m_name; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override {
        Release(m_body, out);
        Release(m_result, out);
    }

    bool IsFunction() const { return m_isFunction; }
    const std::vector<std::string>& GetParams() const { return m_params; }
    GenBody& GetBody() { return static_cast<GenBody&>(*m_body); }
    GenObj* GetResult() { return m_result.get(); }

private:
    void Bind(ParseContext& ctx);

    bool m_isFunction;
    std::string m_name;
    std::vector<std::string> m_params;
    GenPtr m_body;
    GenPtr m_result; // functions only
};

} // namespace TavLanguage
