#pragma once
// The problem's statements in reading order and its optimisation target. At the end of the
// problem text every statement is checked, then every statement is generated into the raw problem.

#include "language/tree/GenObj.hpp"

namespace TavLanguage {

class ParseContext;

class GenProblem {
public:
    void AddStatement(GenPtr statement) { m_statements.push_back(std::move(statement)); }
    void SetOptimise(GenPtr optimise) { m_optimise = std::move(optimise); }
    // Keeps a top-level user definition alive for the calls that name it.
    void AddDefinition(GenPtr definition) { m_definitions.push_back(std::move(definition)); }
    std::size_t GetStatementCount() const { return m_statements.size(); }

    // Checks every statement and the target; true, or throws ParserErr.
    [[nodiscard]] bool CheckAll(ParseContext& ctx);
    // Generates every statement into the raw problem, in order, then the target.
    void GenerateAll(ParseContext& ctx);
    // Drops every collected node.
    void Clear();

private:
    GenList m_statements;
    GenList m_definitions;
    GenPtr m_optimise;
};

} // namespace TavLanguage
