#include "language/tree/GenBody.hpp"

#include "language/ParseContext.hpp"
#include "language/tree/ListSink.hpp"

#include <ostream>

namespace TavLanguage {

void GenBody::UnbindDeclarations(ParseContext& ctx, std::size_t count) {
    for (std::size_t i = count; i-- > 0;) {
        if (m_statements[i]->IsDeclaration()) ctx.Symbols().Remove(m_statements[i]->GetName());
    }
}

bool GenBody::CheckStatements(ParseContext& ctx, bool keepBindings) {
    NestingGuard guard(ctx, *this);
    for (std::size_t i = 0; i < m_statements.size(); ++i) {
        if (!m_statements[i]->CheckStatement(ctx)) {
            UnbindDeclarations(ctx, i + 1);
            return false;
        }
    }
    if (!keepBindings) UnbindDeclarations(ctx, m_statements.size());
    m_type = GenType(GenKind::Constraint);
    return true;
}

void GenBody::EmitStatements(ParseContext& ctx, ConstraintSink& sink, bool keepBindings) {
    NestingGuard guard(ctx, *this);
    for (auto& statement : m_statements)
        statement->Emit(ctx, sink);
    if (!keepBindings) UnbindDeclarations(ctx, m_statements.size());
}

RPtr<RawExpr> GenBody::Gen(ParseContext& ctx) {
    ListSink list;
    EmitStatements(ctx, list);
    return list.Conjunction();
}

void GenBody::Print(std::ostream& out) const {
    out << "{\n";
    for (const auto& statement : m_statements)
        out << *statement << ";\n";
    out << "}";
}

} // namespace TavLanguage
