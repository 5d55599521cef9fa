#include "language/tree/GenUserCall.hpp"

#include "language/ParseContext.hpp"
#include "language/raw/RawCon.hpp"
#include "language/tree/ConstraintSink.hpp"
#include "language/tree/GenUserDef.hpp"
#include "language/tree/ListSink.hpp"
#include "language/tree/ProblemSink.hpp"

#include <ostream>

namespace TavLanguage {

namespace {
const char* const kCircuit = "circuit";
} // namespace

GenUserDef* GenUserCall::FindDefinition(ParseContext& ctx) {
    GenSymbol* symbol = ctx.Symbols().Find(m_name);
    if (symbol == nullptr) return nullptr;
    if (symbol->kind != GenSymbol::Kind::UserConstraint && symbol->kind != GenSymbol::Kind::UserFunction) {
        throw ParserErr(*this, 24, m_name);
    }
    return static_cast<GenUserDef*>(symbol->definition);
}

bool GenUserCall::Check(ParseContext& ctx) {
    for (auto& arg : m_args) {
        if (!CheckNode(*arg, ctx)) return false;
    }
    GenUserDef* def = FindDefinition(ctx);
    if (def == nullptr) {
        if (m_name != kCircuit) throw ParserErr(*this, 59, m_name);
        if (m_args.size() != 1) throw ParserErr(*this, 29);
        const GenType& t = m_args[0]->GetThisType();
        if (!t.IsArray()) throw ParserErr(*this, 23);
        m_type = GenType(GenKind::Constraint);
        return true;
    }
    if (def->GetParams().size() != m_args.size()) throw ParserErr(*this, 29);
    // The body is checked for this call, each parameter typed as its argument.
    const auto& params = def->GetParams();
    for (std::size_t i = 0; i < params.size(); ++i) {
        GenSymbol symbol;
        symbol.kind = GenSymbol::Kind::Parameter;
        symbol.type = m_args[i]->GetThisType();
        ctx.Symbols().Add(params[i], std::move(symbol));
    }
    const bool function = def->IsFunction();
    bool ok = def->GetBody().CheckStatements(ctx, function);
    if (ok && function) {
        ok = CheckNode(*def->GetResult(), ctx);
        def->GetBody().UnbindDeclarations(ctx);
    }
    for (std::size_t i = params.size(); i-- > 0;)
        ctx.Symbols().Remove(params[i]);
    if (!ok) return false;
    m_type = def->IsFunction() ? def->GetResult()->GetThisType() : GenType(GenKind::Constraint);
    return true;
}

template <class ExpandBody> auto GenUserCall::Expand(ParseContext& ctx, GenUserDef& def, ExpandBody expand) {
    std::vector<RPtr<RawExpr>> values;
    for (auto& arg : m_args)
        values.push_back(GenNode(*arg, ctx));
    const auto& params = def.GetParams();
    for (std::size_t i = 0; i < params.size(); ++i) {
        GenSymbol symbol;
        symbol.kind = GenSymbol::Kind::Parameter;
        symbol.type = m_args[i]->GetThisType();
        symbol.value = values[i];
        ctx.Symbols().Add(params[i], std::move(symbol));
    }
    struct Unbind {
        ParseContext& ctx;
        const std::vector<std::string>& params;
        ~Unbind() {
            for (std::size_t i = params.size(); i-- > 0;)
                ctx.Symbols().Remove(params[i]);
        }
    } unbind{ctx, params};
    return expand();
}

RPtr<RawExpr> GenUserCall::Gen(ParseContext& ctx) {
    GenUserDef* def = FindDefinition(ctx);
    if (def == nullptr) {
        RPtr<RawExpr> list = GenNode(*m_args[0], ctx);
        if (!list->IsArray()) throw ParserErr(*this, 23);
        return RPtr<RawExpr>(new RawCon(RawType::Circuit, list));
    }
    return Expand(ctx, *def, [&]() -> RPtr<RawExpr> {
        if (!def->IsFunction()) return def->GetBody().Gen(ctx);
        // A function's own constraints go where the statement that uses it posts.
        // The result may use the body's own data, so those names stay bound until it is generated.
        if (ConstraintSink* side = ctx.SideSink()) {
            def->GetBody().EmitStatements(ctx, *side, true);
        } else {
            ProblemSink problem(ctx.Problem());
            def->GetBody().EmitStatements(ctx, problem, true);
        }
        RPtr<RawExpr> result = GenNode(*def->GetResult(), ctx);
        def->GetBody().UnbindDeclarations(ctx);
        return result;
    });
}

void GenUserCall::Emit(ParseContext& ctx, ConstraintSink& sink) {
    GenUserDef* def = FindDefinition(ctx);
    if (def == nullptr || def->IsFunction()) {
        GenObj::Emit(ctx, sink);
        return;
    }
    Expand(ctx, *def, [&] {
        def->GetBody().EmitStatements(ctx, sink);
        return 0;
    });
}

void GenUserCall::Print(std::ostream& out) const {
    out << m_name << "(";
    for (std::size_t i = 0; i < m_args.size(); ++i)
        out << (i ? ", " : "") << *m_args[i];
    out << ")";
}

} // namespace TavLanguage
