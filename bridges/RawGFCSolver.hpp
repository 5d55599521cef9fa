#pragma once
// Complete-search bridge: translates a raw problem into the complete search library's model
// (domains, variables, constraints, induced variables for expressions, reified constraints, the
// soft cost and the objective) and answers the solver interface with forward-checking search,
// one solution per Solve. The library keeps global domain registries and id counters, so only
// one bridge may be alive at a time; a second one is refused.

#include "bridges/AlgParams.hpp"
#include "bridges/BridgeContext.hpp"
#include "bridges/RawKindVisitor.hpp"
#include "language/raw/RawSolver.hpp"

#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace GFCLib {
class CPObject;
class CSP;
class GFC;
class GFCStats;
class IntVar;
class SetVar;
class Variable;
class Constraint;
class IntBinOp;
class Value;
} // namespace GFCLib

class RawGFCSolver : public RawSolver {
public:
    // Builds the whole model and the search with parameters 1 to 14 of `params`. Throws
    // TranslationError for what the library cannot express, Bug for malformed raw nodes,
    // Platform::ParameterError for a parameter the search rejects, Platform::InternalError when
    // another complete-search bridge is alive.
    // Notices (a domain kind it skips) go to `context`'s diagnostics.
    RawGFCSolver(RawCSP* problem, const AlgParams* params, BridgeContext context = {});
    ~RawGFCSolver() override;

    // True when the last Solve appended a solution.
    bool IsSolved() const override { return RawSolver::IsSolved(); }
    // Asks a running Solve to return soon; callable from another thread.
    void Stop() override;
    // Finds the next solution (with an objective: the best one) and appends it.
    [[nodiscard]] bool Solve() override;
    // Writes the search statistics.
    std::ostream& PrintStatistics(std::ostream& out) override;

    // True once the thrashing check (parameter 2) has stopped the search: a Solve that then found
    // nothing did not exhaust the search space, and a best solution is not proven optimal.
    bool StoppedByThrashing() const;

    // Passes parameters 1 to 14 of `params` to the search again.
    void SetParameters(const AlgParams* params);
    // Solve without touching the finished and solved flags.
    [[nodiscard]] bool NextSolution();

private:
    // Domains and variables.
    void AddDomains();
    void AddDomain(const RPtr<RawDom>& domain);
    void AddVariables();
    GFCLib::Variable* MakeVariable(const RPtr<RawVar>& variable);
    // Constraints, soft cost and objective.
    void AddConstraints();
    void AddObjective();
    // Translation tables by raw kind: a kind without an entry is refused with TranslationError.
    using ConstraintKinds = RawKindVisitor<RawGFCSolver, const RPtr<RawExpr>&, GFCLib::Constraint*>;
    using ExpressionKinds = RawKindVisitor<RawGFCSolver, const RPtr<RawExpr>&, GFCLib::Variable*>;
    static const ConstraintKinds& ConstraintTable();
    static const ExpressionKinds& ExpressionTable();
    GFCLib::Constraint* TranslateConstraint(const RPtr<RawExpr>& expr);
    // Both arguments as terms, or both as conditions; the second is translated first.
    std::pair<GFCLib::CPObject*, GFCLib::CPObject*> TermPair(const RPtr<RawExpr>& expr);
    std::pair<GFCLib::Constraint*, GFCLib::Constraint*> ConditionPair(const RPtr<RawExpr>& expr);
    GFCLib::Constraint* TranslateCondition(const RPtr<RawExpr>& expr);
    GFCLib::Variable* Reify(const RPtr<RawExpr>& expr);
    GFCLib::IntVar* BuildSoftCost();
    void SetObjective(const RPtr<RawOpt>& objective, GFCLib::IntVar* softCost);
    void Post(GFCLib::Constraint* constraint);
    // Terms and expressions.
    GFCLib::CPObject* TranslateTerm(const RPtr<RawExpr>& expr);
    GFCLib::Variable* GetVariable(const RPtr<RawExpr>& expr);
    GFCLib::IntVar* GetIntVar(const RPtr<RawExpr>& expr);
    GFCLib::SetVar* GetSetVar(const RPtr<RawExpr>& expr);
    GFCLib::Variable* GetFiniteVar(const RPtr<RawExpr>& expr);
    GFCLib::Variable* GetNamedVariable(const RPtr<RawExpr>& expr);
    GFCLib::Variable* TranslateExpr(const RPtr<RawExpr>& expr);
    // An induced a op b, taking ownership of `op`; `checked` skips pairs the operator rejects.
    GFCLib::Variable* BinaryOp(const RPtr<RawExpr>& expr, GFCLib::IntBinOp* op, bool checked);
    GFCLib::Variable* ShareOrAdd(GFCLib::Variable* induced);
    void Remember(GFCLib::Variable* variable);
    GFCLib::CPObject* OwnValue(const GFCLib::Value& value);
    GFCLib::Value ToValue(const RPtr<RawExpr>& expr);
    std::vector<GFCLib::CPObject*> GetVariableList(const RPtr<RawExpr>& list);
    std::vector<GFCLib::Value> GetValueList(const RPtr<RawExpr>& list);
    void StoreSolution();

    BridgeContext m_context;
    std::unique_ptr<GFCLib::GFCStats> m_stats;
    unsigned m_tempCounter = 0;
    GFCLib::IntVar* m_softCost = nullptr;
    std::unique_ptr<GFCLib::CSP> m_csp;
    std::unique_ptr<GFCLib::GFC> m_search;
    // Every variable of the problem by printed name, first one kept: the problem's own lookup
    // by name, without a scan of its lists per expression.
    std::unordered_map<std::string, GFCLib::Variable*> m_byName;
};
