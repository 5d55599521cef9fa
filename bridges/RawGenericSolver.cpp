#include "bridges/RawGenericSolver.hpp"

#include "bridges/AllDifferentForm.hpp"
#include "bridges/RawKindVisitor.hpp"
#include "bridges/TranslationError.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawOp.hpp"
#include "language/raw/RawRange.hpp"
#include "language/raw/RawSet.hpp"
#include "platform/FatalError.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/GGLS.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntListDom.hpp"
#include "localsearch/IntRangeDom.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/Obj.hpp"
#include "localsearch/SetDom.hpp"
#include "localsearch/SetVar.hpp"
#include "localsearch/SoftCon.hpp"
#include "localsearch/cons/AllDifferent.hpp"
#include "localsearch/cons/Element.hpp"
#include "localsearch/cons/Equals.hpp"
#include "localsearch/cons/GreaterThan.hpp"
#include "localsearch/cons/GreaterThanEquals.hpp"
#include "localsearch/cons/Member.hpp"
#include "localsearch/cons/NotEquals.hpp"
#include "localsearch/cons/Sequence.hpp"
#include "localsearch/expr/AbsOp.hpp"
#include "localsearch/expr/Cardinality.hpp"
#include "localsearch/expr/CountOp.hpp"
#include "localsearch/expr/DivOp.hpp"
#include "localsearch/expr/IndexOp.hpp"
#include "localsearch/expr/IntVal.hpp"
#include "localsearch/expr/Maximum.hpp"
#include "localsearch/expr/Minimum.hpp"
#include "localsearch/expr/MinusOp.hpp"
#include "localsearch/expr/ModOp.hpp"
#include "localsearch/expr/PlusOp.hpp"
#include "localsearch/expr/Power.hpp"
#include "localsearch/expr/ScalProd.hpp"
#include "localsearch/expr/Sum.hpp"
#include "localsearch/expr/TimesOp.hpp"
#include "localsearch/logic/And.hpp"
#include "localsearch/logic/Iff.hpp"
#include "localsearch/logic/Implies.hpp"
#include "localsearch/logic/Not.hpp"
#include "localsearch/logic/Or.hpp"
#include "localsearch/logic/Xor.hpp"
#include "localsearch/sets/AllDisjoint.hpp"
#include "localsearch/sets/Intersection.hpp"
#include "localsearch/sets/SetVal.hpp"
#include "localsearch/sets/Subset.hpp"
#include "localsearch/sets/Union.hpp"

#include "localsearch/ga/GGA_ND.hpp"
#include "localsearch/gls/GGLS_ND.hpp"
#include "localsearch/glsnds/GLS_NDS.hpp"
#include "localsearch/tabu/TABU.hpp"

#include <atomic>
#include <ostream>

using namespace GLSLib;
using namespace TavLanguage;

namespace TavBridges {

namespace {

constexpr const char* kBoolDomain = "__BoolDomain";

std::string Text(const RawExpr& expr) {
    return expr.ToString();
}

} // namespace

// ---- engines ----

bool RawGenericSolver::IsEngineAvailable(int solverType) {
    return solverType >= 1 && solverType <= 4;
}

std::unique_ptr<GGLS> RawGenericSolver::CreateEngine(int solverType) {
    switch (solverType) {
    case 1:
        return std::make_unique<GGLS_ND>();
    case 2:
        return std::make_unique<GGA_ND>();
    case 3:
        return std::make_unique<TABU>();
    case 4:
        return std::make_unique<GLS_NDS>();
    default:
        throw Platform::ParameterError("Invalid Solver Type\n");
    }
}

// ---- construction, solving, statistics ----

RawGenericSolver::RawGenericSolver(RawCSP* problem, const AlgParams* params, int solverType,
                                   BridgeContext context)
    : RawBridge(problem, std::move(context)) {
    if (params == nullptr) throw Platform::InternalError("RawGenericSolver: no parameters");
    if (solverType < 1 || solverType > 4) throw Platform::ParameterError("Invalid Solver Type\n");
    // Each engine's problem starts from fresh values and owns its model, so bridges live side by
    // side; a failed build frees its model with its engine.
    m_engine = CreateEngine(solverType);
    m_engine->SetDiagnostics(Context().diagnostics);
    Build(params);
}

RawGenericSolver::RawGenericSolver(RawCSP* problem, const AlgParams* params, std::unique_ptr<GGLS> engine,
                                   BridgeContext context)
    : RawBridge(problem, std::move(context)), m_engine(std::move(engine)) {
    if (params == nullptr || !m_engine)
        throw Platform::InternalError("RawGenericSolver: no parameters or engine");
    m_engine->SetDiagnostics(Context().diagnostics);
    Build(params);
}

void RawGenericSolver::Build(const AlgParams* params) {
    // Real variables and the constraints over them live in lists of their own that only linear
    // programming reads: solving without them would report assignments that ignore them.
    if (!m_problem->GetRealVariables().empty())
        throw TranslationError(
            "Local search cannot handle real variables: use the linear-programming solver");
    // The model's objects belong to the engine's problem, whatever other problems this thread
    // has made meanwhile.
    const ModelScope scope(*m_engine->GetCSP());
    {
        SetParameters(params);
        for (const auto& domain : m_problem->GetDomains()) {
            CheckStop();
            TranslateDomain(domain);
        }
        for (const auto& variable : m_problem->GetVariables()) {
            CheckStop();
            TranslateVariable(variable);
        }
        if (m_problem->GetObjective()) TranslateObjective(m_problem->GetObjective());
        PostConstraints();
        // Integer variables join the problem after every constraint and the objective exist.
        for (IntVar* v : m_intVars)
            m_engine->GetCSP()->AddVariable(v);
        for (const auto& soft : m_problem->GetSoftConstraints()) {
            CheckStop();
            m_engine->GetCSP()->AddSoftConstraint(TranslateSoftConstraint(soft));
        }
    }
}

RawGenericSolver::~RawGenericSolver() = default;

void RawGenericSolver::SetParameters(const AlgParams* params) {
    for (int id = 1; id <= 14; ++id)
        m_engine->SetParameter(id, params->GetParameter(id));
}

void RawGenericSolver::Stop() {
    m_engine->Stop();
}

bool RawGenericSolver::FindCandidate(RawSolution& candidate) {
    // Whoever listens hears each new best of an optimising run as the engine finds it.
    if (Context().onSolution) {
        m_engine->SetNewBestCallback([this](int) {
            RawSolution best;
            ReadAssignment(best);
            (void)Offer(best);
        });
    }
    if (!m_engine->Solve()) return false;
    ReadAssignment(candidate);
    return true;
}

void RawGenericSolver::ReadAssignment(RawSolution& candidate) const {
    for (IntVar* v : m_intVars)
        candidate.AddLabel(RawLabel(v->GetName(), RPtr<RawExpr>(new RawInt(v->GetValue()))));
    for (SetVar* s : m_setVars) {
        auto members = MakeR<RawSet>();
        for (int k = 0; k < s->NumValues(); ++k)
            if (s->IsMember(k)) members->AddElement(RPtr<RawExpr>(new RawInt(s->ValueAt(k))));
        candidate.AddLabel(RawLabel(s->GetName(), members));
    }
}

std::ostream& RawGenericSolver::PrintStatistics(std::ostream& out) {
    return m_engine->PrintStatistics(out);
}

// ---- domains, variables, objective, constraints ----

void RawGenericSolver::TranslateDomain(const RPtr<RawDom>& domain) {
    GLSCSP* csp = m_engine->GetCSP();
    const std::string name = domain->GetName();
    const RPtr<RawCol>& values = domain->GetValues();
    switch (domain->GetType()) {
    case RawType::IntDom:
        if (values->GetType() == RawType::Array) {
            csp->AddIntDomain(new IntListDom(name.c_str(), GetIntConstants(values)));
        } else if (values->GetType() == RawType::Range) {
            const auto& range = static_cast<const RawRange&>(*values);
            csp->AddIntDomain(new IntRangeDom(name.c_str(), range.GetLow(), range.GetHigh()));
        } else {
            Platform::Report(Context().diagnostics, "Illegal domain type");
        }
        return;
    case RawType::SetDom:
        csp->AddSetDomain(new SetDom(name.c_str(), GetIntConstants(values)));
        return;
    default:
        Platform::Report(Context().diagnostics, "No support for this domain type");
    }
}

void RawGenericSolver::TranslateVariable(const RPtr<RawVar>& variable) {
    GLSCSP* csp = m_engine->GetCSP();
    const std::string name = variable->GetName();
    const std::string domainName = variable->GetDomainName();
    switch (variable->GetType()) {
    case RawType::IntVar: {
        IntDom* domain = csp->FindIntDomain(domainName);
        if (domain == nullptr) throw NoDomainError(name, domainName);
        m_intVars.push_back(new IntVar(name.c_str(), domain));
        m_intByName.emplace(name, m_intVars.back());
        return;
    }
    case RawType::BoolVar: {
        IntDom* domain = csp->FindIntDomain(kBoolDomain);
        if (domain == nullptr) {
            domain = new IntListDom(kBoolDomain, {0, 1});
            csp->AddIntDomain(domain);
        }
        m_intVars.push_back(new IntVar(name.c_str(), domain));
        m_intByName.emplace(name, m_intVars.back());
        return;
    }
    case RawType::SetVar: {
        SetDom* domain = csp->FindSetDomain(domainName);
        if (domain == nullptr) throw NoDomainError(name, domainName);
        auto* set = new SetVar(name.c_str(), domain->GetValues());
        csp->AddSetVariable(set);
        m_setVars.push_back(set);
        m_setByName.emplace(name, set);
        return;
    }
    default:
        throw TranslationError("Local search does not support the variable type of " + name);
    }
}

void RawGenericSolver::TranslateObjective(RPtr<RawOpt> objective) {
    RPtr<RawExpr> expression = objective->GetExpression();
    // A maximisation is the minimisation of 0 minus the expression.
    if (objective->GetType() == RawType::Maximise)
        expression = RPtr<RawExpr>(new RawOp(RawType::Minus, expression));
    auto* minimise = new Minimise(TranslateIntExpr(expression));
    minimise->Post();
    m_engine->GetCSP()->SetObjective(minimise);
}

void RawGenericSolver::PostConstraints() {
    GLSCSP* csp = m_engine->GetCSP();
    for (const auto& raw : m_problem->GetConstraints()) {
        CheckStop();
        Con* c = TranslateConstraint(raw);
        if (!c->IsConjunction()) {
            c->Post();
            csp->AddConstraint(c);
            continue;
        }
        // Each conjunct is posted on its own, in conjunct order; the conjunctions themselves
        // go once the walk has ended. The walk follows the arguments, not conjunct numbers:
        // finding conjunct k of a conjunction walks it, and a forall can make one of tens of
        // thousands of conjuncts.
        std::vector<Con*> conjunctions;
        std::vector<Con*> pending{c};
        while (!pending.empty()) {
            Con* node = pending.back();
            pending.pop_back();
            if (node == nullptr) continue;
            if (!node->IsConjunction()) {
                node->Post();
                csp->AddConstraint(node);
                continue;
            }
            conjunctions.push_back(node);
            for (unsigned i = node->NumArgs(); i-- > 0;)
                pending.push_back(static_cast<Con*>(node->GetArg(static_cast<int>(i))));
        }
        for (Con* conjunction : conjunctions) {
            conjunction->DetachFromArguments();
            delete conjunction;
        }
    }
}

Con* RawGenericSolver::TranslateSoftConstraint(const RPtr<RawSoftCon>& soft) {
    Con* c = TranslateConstraint(soft->GetConstraint());
    auto* softCon = new SoftCon(c, soft->GetWeight());
    softCon->Post();
    return softCon;
}

// ---- factories ----

Con* RawGenericSolver::TranslateCondition(const RPtr<RawExpr>& expr) {
    if (expr->IsCon()) return TranslateConstraint(expr);
    // A value used as a condition (a boolean variable, an expression): true when not 0.
    return new NotEquals(TranslateIntExpr(expr), new IntVal(0));
}

Con* RawGenericSolver::TranslateConstraint(const RPtr<RawExpr>& expr) {
    // A kind outside the table is refused: dropping it would return solutions that violate
    // the problem.
    return ConstraintTable().Visit(*this, expr);
}

Con* RawGenericSolver::SetEquality(const RPtr<RawExpr>& expr) {
    SetObj* s0 = TranslateSetExpr(RawArg(expr, 0));
    SetObj* s1 = TranslateSetExpr(RawArg(expr, 1));
    return new And(new Subset(s0, s1), new Subset(s1, s0));
}

std::pair<IntObj*, IntObj*> RawGenericSolver::IntPair(const RPtr<RawExpr>& expr) {
    IntObj* a = TranslateIntExpr(RawArg(expr, 0));
    return {a, TranslateIntExpr(RawArg(expr, 1))};
}

std::pair<Con*, Con*> RawGenericSolver::ConditionPair(const RPtr<RawExpr>& expr) {
    Con* a = TranslateCondition(RawArg(expr, 0));
    return {a, TranslateCondition(RawArg(expr, 1))};
}

namespace {

bool BothSets(const RPtr<RawExpr>& expr) {
    return RawArg(expr, 0)->IsSetValued() && RawArg(expr, 1)->IsSetValued();
}

} // namespace

// Short names for the handlers of the translation tables below.
using Self = RawGenericSolver;
using N = const RPtr<RawExpr>&;

template <class Made, class Result, bool Swapped>
Result* RawGenericSolver::OverIntPair(RawGenericSolver& s, const RPtr<RawExpr>& expr) {
    auto [a, b] = s.IntPair(expr);
    if constexpr (Swapped)
        return new Made(b, a);
    else
        return new Made(a, b);
}

template <class Made>
Con* RawGenericSolver::OverConditionPair(RawGenericSolver& s, const RPtr<RawExpr>& expr) {
    auto [a, b] = s.ConditionPair(expr);
    return new Made(a, b);
}

template <class Made> IntObj* RawGenericSolver::OverIntList(RawGenericSolver& s, const RPtr<RawExpr>& expr) {
    return new Made(s.TranslateIntExprList(RawArg(expr, 0)));
}

template <class Made, class Result>
Result* RawGenericSolver::OverListAndConstants(RawGenericSolver& s, const RPtr<RawExpr>& expr) {
    std::vector<IntObj*> list = s.TranslateIntExprList(RawArg(expr, 0));
    return new Made(list, s.GetIntConstants(RawArg(expr, 1)));
}

const RawGenericSolver::ConstraintKinds& RawGenericSolver::ConstraintTable() {
    auto member = [](Self& s, N expr) -> Con* {
        IntObj* element = s.TranslateIntExpr(RawArg(expr, 0));
        Con* m = new Member(element, s.TranslateSetExpr(RawArg(expr, 1)));
        return expr->GetType() == RawType::Member ? m : new Not(m);
    };
    auto andOr = [](Self& s, N expr) -> Con* {
        const bool isAnd = expr->GetType() == RawType::And;
        if (expr->GetArgCount() == 2) {
            auto [a, b] = s.ConditionPair(expr);
            if (isAnd) return new And(a, b);
            return new Or(a, b);
        }
        std::vector<Con*> operands;
        if (expr->GetArgCount() == 1 && RawArg(expr, 0)->IsArray()) {
            RPtr<RawExpr> list = RawArg(expr, 0);
            for (int i = 0; i < list->GetSize(); ++i)
                operands.push_back(s.TranslateCondition(list->GetElement(i)));
        } else {
            for (int i = 0; i < expr->GetArgCount(); ++i)
                operands.push_back(s.TranslateCondition(RawArg(expr, i)));
        }
        if (isAnd) return new And(operands);
        return new Or(operands);
    };
    static const ConstraintKinds table(
        "Local search", "constraint",
        {
            {RawType::AllDifferent,
             [](Self& s, N expr) -> Con* {
                 const std::vector<IntObj*> v = s.TranslateIntExprList(RawArg(expr, 0));
                 if (!TavBridges::AllDifferentAsPairs(static_cast<int>(v.size()))) return new AllDifferent(v);
                 std::vector<Con*> pairs;
                 for (std::size_t i = 0; i < v.size(); ++i)
                     for (std::size_t j = i + 1; j < v.size(); ++j)
                         pairs.push_back(new NotEquals(v[i], v[j]));
                 return new And(pairs);
             }},
            {RawType::Sequence, &OverListAndConstants<Sequence, Con>},
            {RawType::Element,
             [](Self& s, N expr) -> Con* {
                 IntObj* index = s.TranslateIntExpr(RawArg(expr, 0));
                 std::vector<int> values = s.GetIntConstants(RawArg(expr, 1));
                 return new Element(index, values, s.TranslateIntExpr(RawArg(expr, 2)));
             }},
            {{RawType::Member, RawType::NotMember}, member},
            {RawType::AllDisjoint,
             [](Self& s, N expr) -> Con* {
                 return new AllDisjoint(s.TranslateSetExprList(RawArg(expr, 0)));
             }},
            {RawType::Subset,
             [](Self& s, N expr) -> Con* {
                 SetObj* a = s.TranslateSetExpr(RawArg(expr, 0));
                 return new Subset(a, s.TranslateSetExpr(RawArg(expr, 1)));
             }},
            {RawType::StrictSubset,
             [](Self& s, N expr) -> Con* {
                 SetObj* s0 = s.TranslateSetExpr(RawArg(expr, 0));
                 SetObj* s1 = s.TranslateSetExpr(RawArg(expr, 1));
                 return new And(new Subset(s0, s1),
                                new GreaterThan(new Cardinality(s1), new Cardinality(s0)));
             }},
            {RawType::Equal,
             [](Self& s, N expr) -> Con* {
                 if (BothSets(expr)) return s.SetEquality(expr);
                 return OverIntPair<Equals, Con>(s, expr);
             }},
            {RawType::NotEqual,
             [](Self& s, N expr) -> Con* {
                 if (BothSets(expr)) return new Not(s.SetEquality(expr));
                 return OverIntPair<NotEquals, Con>(s, expr);
             }},
            // < and <= are > and >= with the operands exchanged.
            {RawType::Greater, &OverIntPair<GreaterThan, Con>},
            {RawType::GreaterEqual, &OverIntPair<GreaterThanEquals, Con>},
            {RawType::Less, &OverIntPair<GreaterThan, Con, true>},
            {RawType::LessEqual, &OverIntPair<GreaterThanEquals, Con, true>},
            {{RawType::And, RawType::Or}, andOr},
            {RawType::Implies, &OverConditionPair<Implies>},
            {RawType::Iff, &OverConditionPair<Iff>},
            {RawType::Xor, &OverConditionPair<Xor>},
            {RawType::Not,
             [](Self& s, N expr) -> Con* { return new Not(s.TranslateCondition(RawArg(expr, 0))); }},
        });
    return table;
}

IntObj* RawGenericSolver::TranslateIntExpr(const RPtr<RawExpr>& expr) {
    if (expr->IsCon()) return TranslateConstraint(expr);
    return IntExpressionTable().Visit(*this, expr);
}

const RawGenericSolver::IntExpressionKinds& RawGenericSolver::IntExpressionTable() {
    static const IntExpressionKinds table(
        "Local search", "expression",
        {
            {RawType::Minimum, &OverIntList<Minimum>},
            {RawType::Maximum, &OverIntList<Maximum>},
            {RawType::Sum, &OverIntList<Sum>},
            {RawType::Cardinality,
             [](Self& s, N expr) -> IntObj* { return new Cardinality(s.TranslateSetExpr(RawArg(expr, 0))); }},
            {RawType::Count, &OverListAndConstants<CountOp, IntObj>},
            {RawType::ScalProd, &OverListAndConstants<ScalProd, IntObj>},
            {RawType::Plus, &OverIntPair<PlusOp, IntObj>},
            {RawType::Minus,
             [](Self& s, N expr) -> IntObj* {
                 if (expr->GetArgCount() == 1) {
                     IntObj* zero = new IntVal(0);
                     return new MinusOp(zero, s.TranslateIntExpr(RawArg(expr, 0)));
                 }
                 return OverIntPair<MinusOp, IntObj>(s, expr);
             }},
            {RawType::Times, &OverIntPair<TimesOp, IntObj>},
            {RawType::Divide, &OverIntPair<DivOp, IntObj>},
            {RawType::Modulo, &OverIntPair<ModOp, IntObj>},
            {RawType::Abs,
             [](Self& s, N expr) -> IntObj* { return new AbsOp(s.TranslateIntExpr(RawArg(expr, 0))); }},
            {RawType::Power,
             [](Self& s, N expr) -> IntObj* {
                 IntObj* base = s.TranslateIntExpr(RawArg(expr, 0));
                 return new Power(base, new IntVal(RawArg(expr, 1)->GetInt()));
             }},
            {RawType::Index,
             [](Self& s, N expr) -> IntObj* {
                 IntObj* index = s.TranslateIntExpr(RawArg(expr, 0));
                 return new IndexOp(index, s.GetIntConstants(RawArg(expr, 1)));
             }},
            {{RawType::BoolVar, RawType::IntVar},
             [](Self& s, N expr) -> IntObj* { return s.FindIntVar(expr->GetName()); }},
            {{RawType::IntVal, RawType::BoolVal},
             [](Self&, N expr) -> IntObj* { return new IntVal(expr->GetInt()); }},
        });
    return table;
}

SetObj* RawGenericSolver::TranslateSetExpr(const RPtr<RawExpr>& expr) {
    return SetExpressionTable().Visit(*this, expr);
}

const RawGenericSolver::SetExpressionKinds& RawGenericSolver::SetExpressionTable() {
    static const SetExpressionKinds table(
        "Local search", "set expression",
        {
            {RawType::Union,
             [](Self& s, N expr) -> SetObj* { return new Union(s.TranslateSetExprList(RawArg(expr, 0))); }},
            {RawType::Intersection,
             [](Self& s, N expr) -> SetObj* {
                 return new Intersection(s.TranslateSetExprList(RawArg(expr, 0)));
             }},
            {RawType::SetVar,
             [](Self& s, N expr) -> SetObj* {
                 const auto found = s.m_setByName.find(expr->GetName());
                 if (found == s.m_setByName.end())
                     throw TranslationError("Local search has no set variable " + expr->GetName());
                 return found->second;
             }},
            {RawType::SetVal, [](Self& s, N expr) -> SetObj* { return new SetVal(s.GetIntConstants(expr)); }},
        });
    return table;
}

std::vector<IntObj*> RawGenericSolver::TranslateIntExprList(const RPtr<RawExpr>& list) {
    if (!list->IsArray()) throw TranslationError("A list was expected: " + Text(*list));
    std::vector<IntObj*> result;
    for (int i = 0; i < list->GetSize(); ++i) {
        CheckStop();
        result.push_back(TranslateIntExpr(list->GetElement(i)));
    }
    return result;
}

std::vector<int> RawGenericSolver::GetIntConstants(const RPtr<RawExpr>& list) {
    if (!list->IsArray() && !list->IsSet() && list->GetType() != RawType::Range)
        throw TranslationError("A list of integers was expected: " + Text(*list));
    std::vector<int> result;
    for (int i = 0; i < list->GetSize(); ++i) {
        RPtr<RawExpr> element = list->GetElement(i);
        if (!element->IsInt()) throw TranslationError("An integer constant was expected: " + Text(*element));
        result.push_back(element->GetInt());
    }
    return result;
}

std::vector<SetObj*> RawGenericSolver::TranslateSetExprList(const RPtr<RawExpr>& list) {
    if (!list->IsArray()) throw TranslationError("A list of sets was expected: " + Text(*list));
    std::vector<SetObj*> result;
    for (int i = 0; i < list->GetSize(); ++i)
        result.push_back(TranslateSetExpr(list->GetElement(i)));
    return result;
}

IntVar* RawGenericSolver::FindIntVar(const std::string& name) {
    const auto found = m_intByName.find(name);
    if (found == m_intByName.end()) throw TranslationError("Local search has no integer variable " + name);
    return found->second;
}

} // namespace TavBridges
