#pragma once
// Complete-search bridge: translates a raw problem into the complete search library's model
// (domains, variables, constraints, induced variables for expressions, reified constraints, the
// soft cost and the objective) and answers the solver interface with forward-checking search,
// one solution per Solve. Each bridge has the library's domain domain descriptions and id counters to itself
// (a registry of its own), so bridges live side by side, and each may be solved on a thread of
// its own.
//
// Names: the complete search library's MemberCon, SubsetCon, Equal, NotEqual, CardOp,
// IntersectOp and the *Op expressions are the local search library's Member, Subset, Equals,
// NotEquals, Cardinality, Intersection and the expressions without the suffix (Sum, Minimum,
// ...); its LessThan and LessThanEq are the other's GreaterThan and GreaterThanEquals with the
// operands exchanged.

#include "bridges/AlgParams.hpp"
#include "bridges/BridgeContext.hpp"
#include "bridges/RawBridge.hpp"
#include "bridges/RawKindVisitor.hpp"

#include <cstdint>
#include <functional>
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
class Registry;
class Value;
} // namespace GFCLib

namespace TavBridges {

class RawGFCSolver : public RawBridge {
public:
    // Builds the whole model and the search with parameters 1 to 14 of `params`. Throws
    // TranslationError for what the library cannot express, Bug for malformed raw nodes,
    // Platform::ParameterError for a parameter the search rejects, Platform::ResourceError for a
    // domain too large to hold.
    // Notices (a domain kind it skips) go to `context`'s diagnostics.
    RawGFCSolver(TavLanguage::RawCSP* problem, const AlgParams* params, BridgeContext context = {});
    ~RawGFCSolver() override;

    // True when the last Solve appended a solution.
    bool IsSolved() const override { return RawSolver::IsSolved(); }
    // Asks a running Solve to return soon; callable from another thread.
    void Stop() override;
    // Writes the search statistics.
    std::ostream& PrintStatistics(std::ostream& out) override;

    // True once the thrashing check (parameter 2) has stopped the search: a Solve that then found
    // nothing did not exhaust the search space, and a best solution is not proven optimal.
    bool StoppedByThrashing() const;

    // Passes parameters 1 to 14 of `params` to the search again.
    void SetParameters(const AlgParams* params);
    // Calls hook on the solving thread after every `every` search steps (see GFC::SetStepHook).
    void SetStepHook(std::int64_t every, std::function<void()> hook);

private:
    // Domains and variables.
    void AddDomains();
    void AddDomain(const TavLanguage::RPtr<TavLanguage::RawDom>& domain);
    void AddVariables();
    GFCLib::Variable* MakeVariable(const TavLanguage::RPtr<TavLanguage::RawVar>& variable);
    // Constraints, soft cost and objective.
    void AddConstraints();
    void AddObjective();
    // Translation tables by raw kind: a kind without an entry is refused with TranslationError.
    using ConstraintKinds =
        RawKindVisitor<RawGFCSolver, const TavLanguage::RPtr<TavLanguage::RawExpr>&, GFCLib::Constraint*>;
    using ExpressionKinds =
        RawKindVisitor<RawGFCSolver, const TavLanguage::RPtr<TavLanguage::RawExpr>&, GFCLib::Variable*>;
    static const ConstraintKinds& ConstraintTable();
    static const ExpressionKinds& ExpressionTable();
    // Handlers: a comparison (a linear one when a side is arithmetic; with Swapped, a > b as
    // b < a), and Made over the node's two conditions.
    template <class Made, bool Swapped = false>
    static GFCLib::Constraint* Comparison(RawGFCSolver& s,
                                          const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    // Made, initialised with the node's two terms (the second translated first).
    template <class Made>
    static GFCLib::Constraint* InitPair(RawGFCSolver& s, const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    template <class Made>
    static GFCLib::Constraint* OverConditionPair(RawGFCSolver& s,
                                                 const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    GFCLib::Constraint* TranslateConstraint(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    // Both arguments as terms, or both as conditions; the second is translated first.
    std::pair<GFCLib::CPObject*, GFCLib::CPObject*>
    TermPair(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    std::pair<GFCLib::Constraint*, GFCLib::Constraint*>
    ConditionPair(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    GFCLib::Constraint* TranslateCondition(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    // A new boolean variable, 1 exactly where c holds (c is posted within it).
    GFCLib::Variable* BoolOf(GFCLib::Constraint* c);
    GFCLib::Variable* Reify(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    // The truth of a soft constraint as a 0/1 variable. A function undefined for some arguments
    // inside it (a zero divisor, a position outside its list) makes it not hold, rather than
    // ruling those arguments out: its expressions are built total, and the conditions under
    // which they are defined join the constraint.
    GFCLib::Variable* ReifySoft(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    // Under ReifySoft: records that `condition` must hold for the expression just built to be
    // defined.
    void AddDefinedness(GFCLib::Constraint* condition);
    GFCLib::IntVar* BuildSoftCost();
    void SetObjective(const TavLanguage::RPtr<TavLanguage::RawOpt>& objective, GFCLib::IntVar* softCost);
    void Post(GFCLib::Constraint* constraint);
    // Linear arithmetic: constant + sum of coefficient * term, terms in first-use order.
    struct Linear {
        std::vector<GFCLib::CPObject*> terms;
        std::vector<long long> coefficients;
        long long constant = 0;
        void Add(const Linear& other, long long factor);
    };
    // Adds scale * expr to `into`: sums, differences, unary minus, products with a constant,
    // Sum and ScalProd open up into their terms; anything else is one term.
    void Linearize(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr, long long scale, Linear& into);
    // The linear form as one term: its variable when it is 1 * x, else one induced variable
    // (shared with any that prints alike); source names it in a refusal (null: the soft cost).
    // `narrow`: the form spans more values than a domain holds, and is only compared with 0: it
    // saturates at -2^30 and 2^30 - 1.
    GFCLib::Variable* LinearVariable(const Linear& form, const TavLanguage::RawExpr* source,
                                     bool narrow = false);
    // A comparison whose sides are linear forms: the difference of the sides compared with the
    // constant, so an equation over many variables is one induced variable.
    GFCLib::Constraint* LinearComparison(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    // Terms and expressions.
    GFCLib::CPObject* TranslateTerm(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    GFCLib::Variable* GetVariable(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    GFCLib::IntVar* GetIntVar(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    GFCLib::SetVar* GetSetVar(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    GFCLib::Variable* GetFiniteVar(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    GFCLib::Variable* GetNamedVariable(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    GFCLib::Variable* TranslateExpr(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    // Handlers: an induced Made over the node's list of integer terms, or of set terms.
    template <class Made>
    static GFCLib::Variable* OverIntList(RawGFCSolver& s,
                                         const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    template <class Made>
    static GFCLib::Variable* OverSetList(RawGFCSolver& s,
                                         const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    // An induced a op b, taking ownership of `op`; `checked` skips pairs the operator rejects,
    // which a zero divisor is when `undefinedAtZero`.
    GFCLib::Variable* BinaryOp(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr, GFCLib::IntBinOp* op,
                               bool checked, bool undefinedAtZero);
    // The induced variable, or the one already made for an expression that prints alike (the
    // new one is then deleted); counts the use of one whose values leave the int range, which
    // source names.
    GFCLib::Variable* ShareOrAdd(GFCLib::Variable* induced, const TavLanguage::RawExpr* source = nullptr);
    // Integer arithmetic is exact in 64 bits, but an induced variable holds ints: one whose
    // values can leave the int range holds them at the range's ends (saturates), which is exact
    // only where it is compared with a constant strictly inside the range. Those comparisons
    // are counted here as they are built; a use of any other kind makes the problem refused.
    void CountComparison(GFCLib::CPObject* term, long long constant);
    void CountComparedWithConstant(GFCLib::CPObject* a, GFCLib::CPObject* b);
    // Throws TranslationError for a variable whose values leave the int range and that is used
    // other than compared with a constant.
    void RefuseInexactArithmetic() const;
    void Remember(GFCLib::Variable* variable);
    GFCLib::CPObject* OwnValue(const GFCLib::Value& value);
    GFCLib::Value ToValue(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr);
    std::vector<GFCLib::CPObject*> GetVariableList(const TavLanguage::RPtr<TavLanguage::RawExpr>& list);
    std::vector<GFCLib::Value> GetValueList(const TavLanguage::RPtr<TavLanguage::RawExpr>& list);
    // The next solution of the search (with an objective: a better one than the last).
    [[nodiscard]] bool FindCandidate(TavLanguage::RawSolution& candidate) override;
    // The search goes on from an assignment the checks drop.
    bool ContinuesAfterRejection() const override { return true; }
    // With an objective (or soft cost) the solution of a search that ran to its end is the
    // optimum, unless the checks dropped an assignment on the way (then nothing is proved). A
    // search that found nothing has walked the whole space unless a stop or the thrashing
    // check ended it.
    TavLanguage::SolveEnd SolutionEnd() const override;
    TavLanguage::SolveEnd SearchEnd() const override;

    // First made and last freed: every domain description the problem's variables use lives here.
    std::unique_ptr<GFCLib::Registry> m_registry;
    std::unique_ptr<GFCLib::GFCStats> m_stats;
    unsigned m_tempCounter = 0;
    GFCLib::IntVar* m_softCost = nullptr;
    Linear m_softForm; // the soft cost's linear form, which the objective takes in whole
    std::unique_ptr<GFCLib::CSP> m_csp;
    std::unique_ptr<GFCLib::GFC> m_search;
    // The decision variables by their raw declaration's node, sorted by node: what a reference
    // to a variable finds them by (a name is looked up only for a reference made apart from the
    // declaration).
    std::vector<std::pair<const TavLanguage::RawExpr*, GFCLib::Variable*>> m_byNode;
    // The variables the bridge makes (induced, temporary, reified) by printed name, first one
    // kept: expressions that print alike share one induced variable.
    std::unordered_map<std::string, GFCLib::Variable*> m_byName;
    // The induced variables whose values leave the int range, in creation order: how often
    // each is used and how often compared with a constant (uses >= compared).
    struct WideUse {
        GFCLib::Variable* variable;
        std::string text;
        int uses = 0;
        int compared = 0;
    };
    std::vector<WideUse> m_wide;
    // While a soft constraint is built: the conditions its partial functions need (else null).
    std::vector<GFCLib::Constraint*>* m_definedness = nullptr;
};

} // namespace TavBridges
