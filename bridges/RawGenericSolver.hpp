#pragma once
// Local-search bridge: translates a raw problem into the local search library's model (integer
// and set variables over their domains, integer and set expressions, constraints with violation
// measures, soft constraints and the objective) inside one engine's problem, and answers the
// solver interface with that engine: one complete engine run per Solve.
// Solver types: 1 guided local search, 2 genetic algorithm, 3 tabu search, 4 the graph-based
// guided local search. The model belongs to the engine's own problem and goes with the engine,
// so several bridges may live at once, on one thread or on several.
//
// Names: the local search library's Member, Subset, Equals, NotEquals, Cardinality,
// Intersection and its expressions Sum, Minimum, Maximum, ScalProd, Power are the complete
// search library's MemberCon, SubsetCon, Equal, NotEqual, CardOp, IntersectOp and SumOp,
// MinimumOp, MaximumOp, ScalProdOp, PowerOp; it states < and <= as GreaterThan and
// GreaterThanEquals with the operands exchanged, where the other has LessThan and LessThanEq.

#include "bridges/AlgParams.hpp"
#include "bridges/BridgeContext.hpp"
#include "bridges/RawBridge.hpp"
#include "bridges/RawKindVisitor.hpp"

#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace GLSLib {
class Con;
class GGLS;
class IntObj;
class IntVar;
class SetObj;
class SetVar;
} // namespace GLSLib

namespace TavBridges {

class RawGenericSolver : public RawBridge {
public:
    // Builds the engine of `solverType`, passes it parameters 1 to 14 and translates the whole
    // problem. Throws Platform::ParameterError ("Invalid Solver Type\n") for a type outside 1..4,
    // TranslationError when the problem uses what the library cannot express, Bug for malformed
    // raw nodes, and what the engine's SetParameter throws. Notices (a domain kind it skips) go
    // to `context`'s diagnostics.
    RawGenericSolver(TavLanguage::RawCSP* problem, const AlgParams* params, int solverType,
                     BridgeContext context = {});
    // The same over an engine made by the caller (any GGLS), which the bridge then owns.
    RawGenericSolver(TavLanguage::RawCSP* problem, const AlgParams* params,
                     std::unique_ptr<GLSLib::GGLS> engine, BridgeContext context = {});
    ~RawGenericSolver() override;

    // True when the last Solve appended a solution.
    bool IsSolved() const override { return RawSolver::IsSolved(); }
    // Forwards a stop request to the engine; callable from another thread.
    void Stop() override;
    // The engine's statistics report.
    std::ostream& PrintStatistics(std::ostream& out) override;
    // Passes parameters 1 to 14 of `params` to the engine again.
    void SetParameters(const AlgParams* params);

    // Whether a solver type names an engine (1 to 4).
    static bool IsEngineAvailable(int solverType);

    GLSLib::GGLS& GetEngine() { return *m_engine; }
    // Integer and boolean variables in raw order, then set variables in raw order.
    const std::vector<GLSLib::IntVar*>& GetIntVariables() const { return m_intVars; }
    const std::vector<GLSLib::SetVar*>& GetSetVariables() const { return m_setVars; }

private:
    // One engine run: the assignment it ends on, when it ends on a solution.
    [[nodiscard]] bool FindCandidate(TavLanguage::RawSolution& candidate) override;
    // The variables' current values as labels.
    void ReadAssignment(TavLanguage::RawSolution& candidate) const;
    // Each run is a search of its own: one that ends on a dropped assignment found nothing.
    bool ContinuesAfterRejection() const override { return false; }

    static std::unique_ptr<GLSLib::GGLS> CreateEngine(int solverType);
    void Build(const AlgParams* params);

    void TranslateDomain(const TavLanguage::RPtr<TavLanguage::RawDom>& domain);
    void TranslateVariable(const TavLanguage::RPtr<TavLanguage::RawVar>& variable);
    void TranslateObjective(TavLanguage::RPtr<TavLanguage::RawOpt> objective);
    void PostConstraints();
    GLSLib::Con* TranslateSoftConstraint(const TavLanguage::RPtr<TavLanguage::RawSoftCon>& soft);

    // Translation tables by raw kind: a kind without an entry is refused with TranslationError.
    using ConstraintKinds =
        RawKindVisitor<RawGenericSolver, const TavLanguage::RPtr<TavLanguage::RawExpr>&, GLSLib::Con*>;
    using IntExpressionKinds =
        RawKindVisitor<RawGenericSolver, const TavLanguage::RPtr<TavLanguage::RawExpr>&, GLSLib::IntObj*>;
    using SetExpressionKinds =
        RawKindVisitor<RawGenericSolver, const TavLanguage::RPtr<TavLanguage::RawExpr>&, GLSLib::SetObj*>;
    static const ConstraintKinds& ConstraintTable();
    static const IntExpressionKinds& IntExpressionTable();
    static const SetExpressionKinds& SetExpressionTable();

    // Handlers that build Made over the node's arguments: its two integer expressions
    // (exchanged when Swapped; translated in order either way), its two conditions, its list
    // of integer expressions, or its list and its integer constants.
    template <class Made, class Result, bool Swapped = false>
    static Result* OverIntPair(RawGenericSolver& s, const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    template <class Made>
    static GLSLib::Con* OverConditionPair(RawGenericSolver& s,
                                          const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    template <class Made>
    static GLSLib::IntObj* OverIntList(RawGenericSolver& s,
                                       const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    template <class Made, class Result>
    static Result* OverListAndConstants(RawGenericSolver& s,
                                        const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);

    GLSLib::Con* TranslateConstraint(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    // Both arguments as integer expressions, or both as conditions; the first goes first.
    std::pair<GLSLib::IntObj*, GLSLib::IntObj*> IntPair(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    std::pair<GLSLib::Con*, GLSLib::Con*> ConditionPair(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    // Two sets equal: each a subset of the other.
    GLSLib::Con* SetEquality(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    GLSLib::Con* TranslateCondition(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    GLSLib::IntObj* TranslateIntExpr(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    GLSLib::SetObj* TranslateSetExpr(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    std::vector<GLSLib::IntObj*> TranslateIntExprList(const TavLanguage::RPtr<TavLanguage::RawExpr>& list);
    std::vector<int> GetIntConstants(const TavLanguage::RPtr<TavLanguage::RawExpr>& list);
    std::vector<GLSLib::SetObj*> TranslateSetExprList(const TavLanguage::RPtr<TavLanguage::RawExpr>& list);
    GLSLib::IntVar* FindIntVar(const std::string& name);

    std::unique_ptr<GLSLib::GGLS> m_engine;
    std::vector<GLSLib::IntVar*> m_intVars;
    std::vector<GLSLib::SetVar*> m_setVars;
    // The variables above by name, first one kept: a lookup per reference, not a scan.
    std::unordered_map<std::string, GLSLib::IntVar*> m_intByName;
    std::unordered_map<std::string, GLSLib::SetVar*> m_setByName;
};

} // namespace TavBridges
