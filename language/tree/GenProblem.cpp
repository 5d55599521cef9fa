#include "language/tree/GenProblem.hpp"

#include "language/ParseContext.hpp"
#include "language/tree/GenOptimise.hpp"
#include "language/tree/ProblemSink.hpp"

namespace TavLanguage {

bool GenProblem::CheckAll(ParseContext& ctx) {
    for (auto& statement : m_statements) {
        ctx.CheckStop();
        if (!statement->CheckStatement(ctx)) return false;
    }
    if (m_optimise && !CheckNode(*m_optimise, ctx)) return false;
    return true;
}

void GenProblem::GenerateAll(ParseContext& ctx) {
    ProblemSink sink(ctx.Problem());
    for (auto& statement : m_statements) {
        ctx.CheckStop();
        statement->Emit(ctx, sink);
        statement.reset(); // frees each statement's tree once it is generated
    }
    m_statements.clear();
    if (m_optimise) static_cast<GenOptimise&>(*m_optimise).Post(ctx);
}

void GenProblem::Clear() {
    m_statements.clear();
    m_definitions.clear();
    m_optimise.reset();
}

} // namespace TavLanguage
