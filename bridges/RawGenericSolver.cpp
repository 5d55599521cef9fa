#include "bridges/RawGenericSolver.hpp"

#include "bridges/TranslationError.hpp"
#include "language/Bug.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawOp.hpp"
#include "language/raw/RawRange.hpp"
#include "language/raw/RawSet.hpp"
#include "platform/FatalError.hpp"
#include "platform/MessageSink.hpp"

#include "localsearch/ClassWideValues.hpp"
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

namespace {

// The model's objects and the class-wide values are process-wide: one bridge at a time.
std::atomic<bool> g_bridgeAlive{false};

constexpr const char* kSource = "RawGenericSolver";
constexpr const char* kBoolDomain = "__BoolDomain";

RPtr<RawExpr> Arg(const RPtr<RawExpr>& expr, int index) {
    if (index >= expr->GetArgCount()) throw Bug(kSource, __LINE__);
    return expr->GetArgs()->GetElement(index);
}

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

RawGenericSolver::RawGenericSolver(RawCSP* problem, const AlgParams* params, int solverType)
    : RawSolver(problem) {
    if (problem == nullptr || params == nullptr)
        throw Platform::InternalError("RawGenericSolver: no problem");
    if (solverType < 1 || solverType > 4) throw Platform::ParameterError("Invalid Solver Type\n");
    if (g_bridgeAlive.exchange(true))
        throw Platform::InternalError("Only one local-search solver can exist at a time");
    try {
        // A solve must not depend on what an earlier one left in the library's class-wide values.
        ResetAllClassWideValues();
        m_engine = CreateEngine(solverType);
        Build(params);
    } catch (...) {
        m_engine.reset();
        g_bridgeAlive = false;
        throw;
    }
}

RawGenericSolver::RawGenericSolver(RawCSP* problem, const AlgParams* params, std::unique_ptr<GGLS> engine)
    : RawSolver(problem), m_engine(std::move(engine)) {
    if (problem == nullptr || params == nullptr || !m_engine)
        throw Platform::InternalError("RawGenericSolver: no problem or engine");
    if (g_bridgeAlive.exchange(true))
        throw Platform::InternalError("Only one local-search solver can exist at a time");
    try {
        Build(params);
    } catch (...) {
        m_engine.reset();
        g_bridgeAlive = false;
        throw;
    }
}

void RawGenericSolver::Build(const AlgParams* params) {
    // Real variables and the constraints over them live in lists of their own that only linear
    // programming reads: solving without them would report assignments that ignore them.
    if (!m_problem->GetRealVariables().empty())
        throw TranslationError(
            "Local search cannot handle real variables: use the linear-programming solver");
    try {
        SetParameters(params);
        for (const auto& domain : m_problem->GetDomains())
            TranslateDomain(domain);
        for (const auto& variable : m_problem->GetVariables())
            TranslateVariable(variable);
        if (m_problem->GetObjective()) TranslateObjective(m_problem->GetObjective());
        PostConstraints();
        // Integer variables join the problem after every constraint and the objective exist.
        for (IntVar* v : m_intVars)
            m_engine->GetCSP()->AddVariable(v);
        for (const auto& soft : m_problem->GetSoftConstraints())
            m_engine->GetCSP()->AddSoftConstraint(TranslateSoftConstraint(soft));
    } catch (...) {
        Obj::DeleteAll();
        throw;
    }
}

RawGenericSolver::~RawGenericSolver() {
    Obj::DeleteAll();
    m_engine.reset();
    g_bridgeAlive = false;
}

void RawGenericSolver::SetParameters(const AlgParams* params) {
    for (int id = 1; id <= 14; ++id)
        m_engine->SetParameter(id, params->GetParameter(id));
}

void RawGenericSolver::Stop() {
    m_engine->Stop();
}

bool RawGenericSolver::Solve() {
    SetFinished(false);
    SetSolved(false);
    if (!m_engine->Solve()) {
        SetFinished(true);
        SetSolved(false);
        return false;
    }
    RawSolution& solution = m_solutions.AddSolution();
    for (IntVar* v : m_intVars)
        solution.AddLabel(RawLabel(v->GetName(), RPtr<RawExpr>(new RawInt(v->GetValue()))));
    for (SetVar* s : m_setVars) {
        auto members = MakeR<RawSet>();
        for (int k = 0; k < s->NumValues(); ++k)
            if (s->IsMember(k)) members->AddElement(RPtr<RawExpr>(new RawInt(s->ValueAt(k))));
        solution.AddLabel(RawLabel(s->GetName(), members));
    }
    if (m_problem->GetObjective()) {
        int cost = m_engine->GetCost();
        if (m_problem->GetObjective()->GetType() == RawType::Maximise) cost = -cost;
        solution.SetCost(RPtr<RawExpr>(new RawInt(cost)));
    }
    if (m_problem->HasSoftConstraints())
        solution.SetSoftCost(RPtr<RawExpr>(new RawInt(m_engine->GetSoftCost())));
    SetFinished(true);
    SetSolved(true);
    return true;
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
            Platform::ShowMessage("Illegal domain type");
        }
        return;
    case RawType::SetDom:
        csp->AddSetDomain(new SetDom(name.c_str(), GetIntConstants(values)));
        return;
    default:
        Platform::ShowMessage("No support for this domain type");
    }
}

void RawGenericSolver::TranslateVariable(const RPtr<RawVar>& variable) {
    GLSCSP* csp = m_engine->GetCSP();
    const std::string name = variable->GetName();
    const std::string domainName = variable->GetDomainName();
    auto missing = [&]() {
        return TranslationError("Variable " + name + " has no domain " +
                                (domainName.empty() ? std::string("(none given)") : domainName) +
                                " to take values from");
    };
    switch (variable->GetType()) {
    case RawType::IntVar: {
        IntDom* domain = csp->FindIntDomain(domainName);
        if (domain == nullptr) throw missing();
        m_intVars.push_back(new IntVar(name.c_str(), domain));
        return;
    }
    case RawType::BoolVar: {
        IntDom* domain = csp->FindIntDomain(kBoolDomain);
        if (domain == nullptr) {
            domain = new IntListDom(kBoolDomain, {0, 1});
            csp->AddIntDomain(domain);
        }
        m_intVars.push_back(new IntVar(name.c_str(), domain));
        return;
    }
    case RawType::SetVar: {
        SetDom* domain = csp->FindSetDomain(domainName);
        if (domain == nullptr) throw missing();
        auto* set = new SetVar(name.c_str(), domain->GetValues());
        csp->AddSetVariable(set);
        m_setVars.push_back(set);
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
    const RawType type = expr->GetType();
    auto x = [&](int i) { return TranslateIntExpr(Arg(expr, i)); };
    auto s = [&](int i) { return TranslateSetExpr(Arg(expr, i)); };
    auto c = [&](int i) { return TranslateCondition(Arg(expr, i)); };
    auto bothSets = [&]() { return Arg(expr, 0)->IsSetValued() && Arg(expr, 1)->IsSetValued(); };
    auto setEquality = [&]() -> Con* {
        SetObj* s0 = s(0);
        SetObj* s1 = s(1);
        return new And(new Subset(s0, s1), new Subset(s1, s0));
    };

    switch (type) {
    case RawType::AllDifferent: {
        const std::vector<IntObj*> v = TranslateIntExprList(Arg(expr, 0));
        std::vector<Con*> pairs;
        for (std::size_t i = 0; i < v.size(); ++i)
            for (std::size_t j = i + 1; j < v.size(); ++j)
                pairs.push_back(new NotEquals(v[i], v[j]));
        return new And(pairs);
    }
    case RawType::Sequence: {
        std::vector<IntObj*> list = TranslateIntExprList(Arg(expr, 0));
        return new Sequence(list, GetIntConstants(Arg(expr, 1)));
    }
    case RawType::Element: {
        IntObj* index = x(0);
        std::vector<int> values = GetIntConstants(Arg(expr, 1));
        return new Element(index, values, x(2));
    }
    case RawType::Member:
    case RawType::NotMember: {
        IntObj* element = x(0);
        Con* member = new Member(element, s(1));
        return type == RawType::Member ? member : new Not(member);
    }
    case RawType::AllDisjoint:
        return new AllDisjoint(TranslateSetExprList(Arg(expr, 0)));
    case RawType::Subset: {
        SetObj* a = s(0);
        return new Subset(a, s(1));
    }
    case RawType::StrictSubset: {
        SetObj* s0 = s(0);
        SetObj* s1 = s(1);
        return new And(new Subset(s0, s1), new GreaterThan(new Cardinality(s1), new Cardinality(s0)));
    }
    case RawType::Equal:
        if (bothSets()) return setEquality();
        {
            IntObj* a = x(0);
            return new Equals(a, x(1));
        }
    case RawType::Greater: {
        IntObj* a = x(0);
        return new GreaterThan(a, x(1));
    }
    case RawType::GreaterEqual: {
        IntObj* a = x(0);
        return new GreaterThanEquals(a, x(1));
    }
    case RawType::Less: {
        IntObj* a = x(0);
        return new GreaterThan(x(1), a);
    }
    case RawType::LessEqual: {
        IntObj* a = x(0);
        return new GreaterThanEquals(x(1), a);
    }
    case RawType::NotEqual:
        if (bothSets()) return new Not(setEquality());
        {
            IntObj* a = x(0);
            return new NotEquals(a, x(1));
        }
    case RawType::And:
    case RawType::Or: {
        const bool listArgument = expr->GetArgCount() == 1 && Arg(expr, 0)->IsArray();
        if (expr->GetArgCount() == 2) {
            Con* a = c(0);
            Con* b = c(1);
            if (type == RawType::And) return new And(a, b);
            return new Or(a, b);
        }
        std::vector<Con*> operands;
        if (listArgument) {
            RPtr<RawExpr> list = Arg(expr, 0);
            for (int i = 0; i < list->GetSize(); ++i)
                operands.push_back(TranslateCondition(list->GetElement(i)));
        } else {
            operands = TranslateConstraintList(expr);
        }
        if (type == RawType::And) return new And(operands);
        return new Or(operands);
    }
    case RawType::Implies: {
        Con* a = c(0);
        return new Implies(a, c(1));
    }
    case RawType::Iff: {
        Con* a = c(0);
        return new Iff(a, c(1));
    }
    case RawType::Xor: {
        Con* a = c(0);
        return new Xor(a, c(1));
    }
    case RawType::Not:
        return new Not(c(0));
    default:
        // Dropping it would return solutions that violate the problem.
        throw TranslationError("Local search cannot handle the constraint " + Text(*expr));
    }
}

IntObj* RawGenericSolver::TranslateIntExpr(const RPtr<RawExpr>& expr) {
    if (expr->IsCon()) return TranslateConstraint(expr);
    auto x = [&](int i) { return TranslateIntExpr(Arg(expr, i)); };
    switch (expr->GetType()) {
    case RawType::Minimum:
        return new Minimum(TranslateIntExprList(Arg(expr, 0)));
    case RawType::Maximum:
        return new Maximum(TranslateIntExprList(Arg(expr, 0)));
    case RawType::Cardinality:
        return new Cardinality(TranslateSetExpr(Arg(expr, 0)));
    case RawType::Count: {
        std::vector<IntObj*> list = TranslateIntExprList(Arg(expr, 0));
        return new CountOp(list, GetIntConstants(Arg(expr, 1)));
    }
    case RawType::Sum:
        return new Sum(TranslateIntExprList(Arg(expr, 0)));
    case RawType::ScalProd: {
        std::vector<IntObj*> list = TranslateIntExprList(Arg(expr, 0));
        return new ScalProd(list, GetIntConstants(Arg(expr, 1)));
    }
    case RawType::Plus: {
        IntObj* a = x(0);
        return new PlusOp(a, x(1));
    }
    case RawType::Minus: {
        if (expr->GetArgCount() == 1) {
            IntObj* zero = TranslateIntExpr(RPtr<RawExpr>(new RawInt(0)));
            return new MinusOp(zero, x(0));
        }
        IntObj* a = x(0);
        return new MinusOp(a, x(1));
    }
    case RawType::Times: {
        IntObj* a = x(0);
        return new TimesOp(a, x(1));
    }
    case RawType::Divide: {
        IntObj* a = x(0);
        return new DivOp(a, x(1));
    }
    case RawType::Modulo: {
        IntObj* a = x(0);
        return new ModOp(a, x(1));
    }
    case RawType::Abs:
        return new AbsOp(x(0));
    case RawType::Power: {
        IntObj* base = x(0);
        return new Power(base, new IntVal(Arg(expr, 1)->GetInt()));
    }
    case RawType::Index: {
        IntObj* index = x(0);
        return new IndexOp(index, GetIntConstants(Arg(expr, 1)));
    }
    case RawType::BoolVar:
    case RawType::IntVar:
        return FindIntVar(expr->GetName());
    case RawType::IntVal:
    case RawType::BoolVal:
        return new IntVal(expr->GetInt());
    default:
        throw TranslationError("Local search cannot handle the expression " + Text(*expr));
    }
}

SetObj* RawGenericSolver::TranslateSetExpr(const RPtr<RawExpr>& expr) {
    switch (expr->GetType()) {
    case RawType::Union:
        return new Union(TranslateSetExprList(Arg(expr, 0)));
    case RawType::Intersection:
        return new Intersection(TranslateSetExprList(Arg(expr, 0)));
    case RawType::SetVar: {
        const std::string name = expr->GetName();
        for (SetVar* s : m_setVars)
            if (name == s->GetName()) return s;
        throw TranslationError("Local search has no set variable " + name);
    }
    case RawType::SetVal:
        return new SetVal(GetIntConstants(expr));
    default:
        throw TranslationError("Local search cannot handle the set expression " + Text(*expr));
    }
}

std::vector<IntObj*> RawGenericSolver::TranslateIntExprList(const RPtr<RawExpr>& list) {
    if (!list->IsArray()) throw TranslationError("A list was expected: " + Text(*list));
    std::vector<IntObj*> result;
    for (int i = 0; i < list->GetSize(); ++i)
        result.push_back(TranslateIntExpr(list->GetElement(i)));
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

std::vector<Con*> RawGenericSolver::TranslateConstraintList(const RPtr<RawExpr>& expr) {
    std::vector<Con*> result;
    for (int i = 0; i < expr->GetArgCount(); ++i)
        result.push_back(TranslateCondition(Arg(expr, i)));
    return result;
}

IntVar* RawGenericSolver::FindIntVar(const std::string& name) {
    for (IntVar* v : m_intVars)
        if (name == v->GetName()) return v;
    throw TranslationError("Local search has no integer variable " + name);
}
