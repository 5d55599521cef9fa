#include "bridges/RawGFCSolver.hpp"

#include "bridges/RawKindVisitor.hpp"
#include "bridges/TranslationError.hpp"
#include "language/Bug.hpp"
#include "language/raw/RawBool.hpp"
#include "language/raw/RawFlt.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawOp.hpp"
#include "language/raw/RawRange.hpp"
#include "language/raw/RawSet.hpp"
#include "language/raw/RawStr.hpp"
#include "platform/FatalError.hpp"

#include "complete/BoolVar.hpp"
#include "complete/CSP.hpp"
#include "complete/EnumVar.hpp"
#include "complete/FiniteDomainSpec.hpp"
#include "complete/GFC.hpp"
#include "complete/GFCStats.hpp"
#include "complete/IntDomainSpec.hpp"
#include "complete/IntVar.hpp"
#include "complete/Registry.hpp"
#include "complete/SetDomSpec.hpp"
#include "complete/SetVar.hpp"
#include "complete/Value.hpp"
#include "complete/ValueSet.hpp"
#include "complete/constraints/AllDifferent.hpp"
#include "complete/constraints/AllDisjoint.hpp"
#include "complete/constraints/And.hpp"
#include "complete/constraints/Circuit.hpp"
#include "complete/constraints/Element.hpp"
#include "complete/constraints/Equal.hpp"
#include "complete/constraints/Iff.hpp"
#include "complete/constraints/Implies.hpp"
#include "complete/constraints/LessThan.hpp"
#include "complete/constraints/LessThanEq.hpp"
#include "complete/constraints/MemberCon.hpp"
#include "complete/constraints/Minimise.hpp"
#include "complete/constraints/NaryAnd.hpp"
#include "complete/constraints/Not.hpp"
#include "complete/constraints/NotEqual.hpp"
#include "complete/constraints/NotEqualOffset.hpp"
#include "complete/constraints/NotMember.hpp"
#include "complete/constraints/Or.hpp"
#include "complete/constraints/Sequence.hpp"
#include "complete/constraints/StrictSubset.hpp"
#include "complete/constraints/SubsetCon.hpp"
#include "complete/constraints/Xor.hpp"
#include "complete/induced/AbsOp.hpp"
#include "complete/induced/CardOp.hpp"
#include "complete/induced/CountOp.hpp"
#include "complete/induced/DivOp.hpp"
#include "complete/induced/IndexOp.hpp"
#include "complete/induced/IntersectOp.hpp"
#include "complete/induced/LinearOp.hpp"
#include "complete/induced/MaximumOp.hpp"
#include "complete/induced/MinimumOp.hpp"
#include "complete/induced/MinusOp.hpp"
#include "complete/induced/ModOp.hpp"
#include "complete/induced/PlusOp.hpp"
#include "complete/induced/PowerOp.hpp"
#include "complete/induced/ScalProdOp.hpp"
#include "complete/induced/SumOp.hpp"
#include "complete/induced/TimesOp.hpp"
#include "complete/induced/UnionOp.hpp"

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <sstream>
#include <utility>

using namespace TavLanguage;

namespace TavBridges {

namespace {

constexpr const char* kSource = "RawGFCSolver";

using GFCLib::CPObject;
using GFCLib::Variable;

std::string Name(const RawExpr& expr) {
    return expr.ToString();
}

// A raw value from a library value, by its tag; null for tags without a raw form.
RPtr<RawExpr> RawFromValue(const GFCLib::Value& value) {
    switch (value.GetTag()) {
    case GFCLib::Value::kBool:
        return RPtr<RawExpr>(new RawBool(value.GetBool()));
    case GFCLib::Value::kInt:
        return RPtr<RawExpr>(new RawInt(value.GetInt()));
    case GFCLib::Value::kDouble:
        return RPtr<RawExpr>(new RawFlt(value.GetDouble()));
    case GFCLib::Value::kString:
        return RPtr<RawExpr>(new RawStr(value.GetString()));
    case GFCLib::Value::kSet: {
        const GFCLib::ValueSet& set = value.GetSet();
        auto raw = MakeR<RawSet>();
        for (int i = 0; i < set.UniverseSize(); ++i) {
            if (!set.Contains(i)) continue;
            RPtr<RawExpr> element = RawFromValue(set.At(i));
            if (element) raw->AddElement(element);
        }
        return raw;
    }
    default:
        return nullptr;
    }
}

// The library's integer aggregates take set variables without complaint and then count, add or
// compare nothing, so a set in their list would give plainly wrong solutions: it is refused.
void RefuseSets(const RPtr<RawExpr>& expr, int listIndex) {
    const RPtr<RawExpr> list = RawArg(expr, listIndex);
    if (!list->IsArray()) return; // GetVariableList and GetValueList say what is wrong
    for (int i = 0; i < list->GetSize(); ++i) {
        const RPtr<RawExpr> element = list->GetElement(i);
        if (element->IsSetValued())
            throw TranslationError("Complete search cannot handle the expression " + Name(*element) +
                                   ": a set where an integer is expected in " + Name(*expr));
    }
}

// The kinds that make linear arithmetic (a product only when one side is a constant).
bool IsArithmetic(const RawExpr& expr) {
    switch (expr.GetType()) {
    case RawType::Plus:
    case RawType::Minus:
    case RawType::Times:
    case RawType::Sum:
    case RawType::ScalProd:
        return true;
    default:
        return false;
    }
}

// A comparison with arithmetic on either side compares one linear form with a constant.
bool HasArithmeticSide(const RPtr<RawExpr>& expr) {
    return IsArithmetic(*RawArg(expr, 0)) || IsArithmetic(*RawArg(expr, 1));
}

// Runs build, which computes the domain of the induced variable for source (its operands
// already built): a domain too large to hold is refused naming the expression.
template <typename F> void Naming(const RawExpr* source, F&& build) {
    try {
        build();
    } catch (const Platform::ResourceError& e) {
        if (source == nullptr) throw;
        throw Platform::ResourceError(std::string(e.what()) + ": " + Name(*source));
    }
}

// a * b, refused past what the library's integers can hold.
long long Scaled(long long a, long long b, const RawExpr& where) {
    long long r = 0;
    if (__builtin_mul_overflow(a, b, &r) || r > (1LL << 62) || r < -(1LL << 62))
        throw TranslationError("Complete search cannot handle the expression " + where.ToString() +
                               ": its numbers are too large");
    return r;
}

} // namespace

RawGFCSolver::RawGFCSolver(RawCSP* problem, const AlgParams* params, BridgeContext context)
    : RawBridge(problem, std::move(context)) {
    if (params == nullptr) throw Platform::InternalError("RawGFCSolver: no parameters");
    // Real variables and the constraints over them live in lists of their own that only linear
    // programming reads: solving without them would report assignments that ignore them.
    if (!problem->GetRealVariables().empty())
        throw TranslationError(
            "Complete search cannot handle real variables: use the linear-programming solver");
    m_registry = std::make_unique<GFCLib::Registry>();
    // Everything the library makes while this problem is built takes its domain descriptions and ids here.
    GFCLib::Registry::Scope scope(*m_registry);
    try {
        m_csp = std::make_unique<GFCLib::CSP>();
        AddDomains();
        AddVariables();
        AddConstraints();
        AddObjective();
        RefuseInexactArithmetic();
        CheckStop();
        // The search sets itself up (a walk over every variable and constraint) in the first
        // Solve, where Stop ends that too.
        m_stats = std::make_unique<GFCLib::GFCStats>();
        m_search = std::make_unique<GFCLib::GFC>(m_csp.get(), m_stats.get(), false);
        SetParameters(params);
    } catch (...) {
        m_search.reset();
        m_csp.reset();
        throw;
    }
}

RawGFCSolver::~RawGFCSolver() {
    // The search's records refer to the problem's variables, and the variables to the
    // registry's domain descriptions: the search goes first, the registry last.
    m_search.reset();
    m_csp.reset();
}

void RawGFCSolver::SetParameters(const AlgParams* params) {
    for (int id = 1; id <= 14; ++id)
        m_search->SetParameter(id, params->GetParameter(id));
}

void RawGFCSolver::Stop() {
    m_search->RequestStop();
}

void RawGFCSolver::SetStepHook(std::int64_t every, std::function<void()> hook) {
    m_search->SetStepHook(every, std::move(hook));
}

bool RawGFCSolver::FindCandidate(RawSolution& candidate) {
    if (!m_search->FindNextSolution()) return false;
    for (Variable* var : m_csp->GetVariables()) {
        const GFCLib::Value& value = var->GetCurrentValue();
        RPtr<RawExpr> raw;
        switch (static_cast<GFCLib::TypeCode>(var->GetType())) {
        case GFCLib::TypeCode::BoolVar:
            raw = RPtr<RawExpr>(new RawBool(value.GetBool()));
            break;
        case GFCLib::TypeCode::EnumVar:
            raw = RPtr<RawExpr>(new RawStr(value.GetString()));
            break;
        case GFCLib::TypeCode::IntVar:
            raw = RPtr<RawExpr>(new RawInt(value.GetInt()));
            break;
        case GFCLib::TypeCode::DoubleVar:
            raw = RPtr<RawExpr>(new RawFlt(value.GetDouble()));
            break;
        case GFCLib::TypeCode::SetVar:
            raw = value.IsSet() ? RawFromValue(value) : RPtr<RawExpr>(MakeR<RawSet>());
            break;
        default:
            break;
        }
        if (raw) candidate.AddLabel(RawLabel(var->GetName(), raw));
    }
    return true;
}

TavLanguage::SolveEnd RawGFCSolver::SolutionEnd() const {
    const bool proved =
        m_csp->GetObjective() != nullptr && !m_search->IsStopRequested() && GetRejectedCount() == 0;
    return proved ? SolveEnd::Optimum : SolveEnd::Solution;
}

TavLanguage::SolveEnd RawGFCSolver::SearchEnd() const {
    if (StoppedByThrashing()) return SolveEnd::Thrashing;
    if (m_search->IsStopRequested()) return SolveEnd::Stopped;
    // The checks dropped the search's best: what it proved is not about the problem.
    if (m_csp->GetObjective() != nullptr && GetRejectedCount() > 0) return SolveEnd::GaveUp;
    return SolveEnd::Exhausted;
}

bool RawGFCSolver::StoppedByThrashing() const {
    // The check raises the search's stop request, which stays set: the flag means the search
    // ended there and will not go on.
    return m_stats->IsThrashingDetected();
}

std::ostream& RawGFCSolver::PrintStatistics(std::ostream& out) {
    return out << *m_stats;
}

// ---- domains and variables ----

void RawGFCSolver::AddDomains() {
    // A copy: temporaries made while translating append to the raw problem's list.
    const std::vector<RPtr<RawDom>> domains = m_problem->GetDomains();
    for (const auto& domain : domains) {
        CheckStop();
        AddDomain(domain);
    }
}

void RawGFCSolver::AddDomain(const RPtr<RawDom>& domain) {
    const std::string name = domain->GetName();
    const RPtr<RawCol>& values = domain->GetValues();
    switch (domain->GetType()) {
    case RawType::IntDom:
        if (values->GetType() == RawType::Range) {
            const auto& range = static_cast<const RawRange&>(*values);
            GFCLib::IntDomainSpec::CreateRange(name.c_str(), range.GetLow(), range.GetHigh());
        } else if (values->GetType() == RawType::Array) {
            GFCLib::IntDomainSpec::CreateFromValues(name.c_str(), GetValueList(values));
        }
        return;
    case RawType::SetDom:
        GFCLib::SetDomSpec::Create(name.c_str(), GetValueList(values));
        return;
    case RawType::StrDom:
        GFCLib::FiniteDomainSpec::Create(name.c_str(), GetValueList(values));
        return;
    default:
        Platform::Report(Context().diagnostics, "Domain type not implemented yet");
    }
}

void RawGFCSolver::AddVariables() {
    m_byNode.reserve(m_problem->GetVariables().size());
    for (const auto& variable : m_problem->GetVariables()) {
        CheckStop();
        Variable* v = MakeVariable(variable);
        m_csp->AddVariable(v);
        m_byNode.emplace_back(variable.Get(), v);
    }
    std::sort(m_byNode.begin(), m_byNode.end(),
              [](const auto& a, const auto& b) { return std::less<const RawExpr*>()(a.first, b.first); });
}

Variable* RawGFCSolver::MakeVariable(const RPtr<RawVar>& variable) {
    const std::string name = variable->GetName();
    const std::string domain = variable->GetDomainName();
    switch (variable->GetType()) {
    case RawType::BoolVar:
        return new GFCLib::BoolVar(name.c_str());
    case RawType::IntVar:
        if (GFCLib::IntDomainSpec::Find(domain.c_str()) == nullptr) throw NoDomainError(name, domain);
        return new GFCLib::IntVar(name.c_str(), domain.c_str());
    case RawType::SetVar:
        if (GFCLib::SetDomSpec::Find(domain.c_str()) == nullptr) throw NoDomainError(name, domain);
        return new GFCLib::SetVar(name.c_str(), domain.c_str());
    case RawType::StrVar:
        if (GFCLib::FiniteDomainSpec::Find(domain.c_str()) == nullptr) throw NoDomainError(name, domain);
        return new GFCLib::EnumVar(name.c_str(), domain.c_str());
    default:
        throw TranslationError("Variable type not implemented yet: " + name);
    }
}

// ---- constraints, soft cost and objective ----

void RawGFCSolver::Post(GFCLib::Constraint* constraint) {
    m_csp->GetConstraints().push_back(constraint);
    constraint->Attach();
}

void RawGFCSolver::AddConstraints() {
    for (const auto& constraint : m_problem->GetConstraints()) {
        CheckStop();
        Post(TranslateConstraint(constraint));
    }
}

GFCLib::Constraint* RawGFCSolver::TranslateCondition(const RPtr<RawExpr>& expr) {
    if (expr->IsCon()) return TranslateConstraint(expr);
    // A value used as a condition (a boolean variable, a reified sum): true when not 0.
    CPObject* term = TranslateTerm(expr);
    if (term == nullptr) throw TranslationError("Cannot use " + Name(*expr) + " as a condition");
    CountComparison(term, 0);
    return new GFCLib::NotEqual(term, OwnValue(GFCLib::Value(0)));
}

namespace {

// The operands of a connective: its arguments, or the elements of its one list argument.
std::vector<RPtr<RawExpr>> Operands(const RPtr<RawExpr>& expr) {
    std::vector<RPtr<RawExpr>> result;
    if (expr->GetArgCount() == 1 && RawArg(expr, 0)->IsArray()) {
        RPtr<RawExpr> list = RawArg(expr, 0);
        for (int i = 0; i < list->GetSize(); ++i)
            result.push_back(list->GetElement(i));
    } else {
        for (int i = 0; i < expr->GetArgCount(); ++i)
            result.push_back(RawArg(expr, i));
    }
    return result;
}

} // namespace

std::pair<CPObject*, CPObject*> RawGFCSolver::TermPair(const RPtr<RawExpr>& expr) {
    CPObject* b = TranslateTerm(RawArg(expr, 1)); // second first
    CPObject* a = TranslateTerm(RawArg(expr, 0));
    if (a == nullptr || b == nullptr) throw TranslationError("Cannot translate " + Name(*expr));
    return {a, b};
}

std::pair<GFCLib::Constraint*, GFCLib::Constraint*> RawGFCSolver::ConditionPair(const RPtr<RawExpr>& expr) {
    // Held until both are made, so that a refused first one does not lose the second.
    std::unique_ptr<GFCLib::Constraint> rhs(TranslateCondition(RawArg(expr, 1))); // second first
    GFCLib::Constraint* lhs = TranslateCondition(RawArg(expr, 0));
    return {lhs, rhs.release()};
}

GFCLib::Constraint* RawGFCSolver::TranslateConstraint(const RPtr<RawExpr>& expr) {
    // A kind outside the table is refused: dropping it would return solutions that violate
    // the problem.
    return ConstraintTable().Visit(*this, expr);
}

// Short names for the handlers of the translation tables below.
using C = GFCLib::Constraint*;
using V = Variable*;
using Self = RawGFCSolver;
using N = const RPtr<RawExpr>&;

template <class Made, bool Swapped>
GFCLib::Constraint* RawGFCSolver::Comparison(RawGFCSolver& s, const RPtr<RawExpr>& expr) {
    if (HasArithmeticSide(expr)) return s.LinearComparison(expr);
    if constexpr (Swapped) {
        CPObject* a = s.TranslateTerm(RawArg(expr, 0));
        CPObject* b = s.TranslateTerm(RawArg(expr, 1));
        s.CountComparedWithConstant(a, b);
        return new Made(b, a);
    } else {
        auto [a, b] = s.TermPair(expr);
        s.CountComparedWithConstant(a, b);
        return new Made(a, b);
    }
}

template <class Made> GFCLib::Constraint* RawGFCSolver::InitPair(RawGFCSolver& s, const RPtr<RawExpr>& expr) {
    CPObject* second = s.TranslateTerm(RawArg(expr, 1));
    CPObject* first = s.TranslateTerm(RawArg(expr, 0));
    auto* c = new Made();
    c->Init(first, second);
    return c;
}

template <class Made>
GFCLib::Constraint* RawGFCSolver::OverConditionPair(RawGFCSolver& s, const RPtr<RawExpr>& expr) {
    auto [lhs, rhs] = s.ConditionPair(expr);
    return new Made(lhs, rhs);
}

const RawGFCSolver::ConstraintKinds& RawGFCSolver::ConstraintTable() {
    auto andOr = [](Self& s, N expr) -> C {
        const bool isAnd = expr->GetType() == RawType::And;
        std::vector<RPtr<RawExpr>> list = Operands(expr);
        // What is made is owned here until it is handed on, so that a refusal loses nothing.
        if (list.size() == 2 && expr->GetArgCount() == 2) {
            auto [lhs, rhs] = s.ConditionPair(expr);
            if (isAnd) return new GFCLib::And(lhs, rhs);
            std::unique_ptr<GFCLib::Constraint> c(new GFCLib::Or(lhs, rhs));
            c->ExpandDomains(0);
            return c.release();
        }
        std::vector<std::unique_ptr<GFCLib::Constraint>> translated;
        for (const auto& operand : list)
            translated.emplace_back(s.TranslateCondition(operand));
        if (isAnd) {
            std::vector<C> operands;
            for (auto& c : translated)
                operands.push_back(c.get());
            auto* all = new GFCLib::NaryAnd(operands);
            for (auto& c : translated)
                (void)c.release();
            return all;
        }
        // A disjunction of a list: nested two-operand disjunctions, left to right.
        if (translated.empty()) throw TranslationError("Or over an empty list: " + Name(*expr));
        std::unique_ptr<GFCLib::Constraint> c = std::move(translated[0]);
        for (std::size_t i = 1; i < translated.size(); ++i) {
            c.reset(new GFCLib::Or(c.release(), translated[i].release()));
            c->ExpandDomains(0);
        }
        return c.release();
    };
    static const ConstraintKinds table(
        "Complete search", "constraint",
        {
            {RawType::AllDifferent,
             [](Self& s, N expr) -> C {
                 auto* c = new GFCLib::AllDifferent();
                 c->Init(s.GetVariableList(RawArg(expr, 0)));
                 return c;
             }},
            {RawType::Sequence,
             [](Self& s, N expr) -> C {
                 auto* c = new GFCLib::Sequence();
                 for (const GFCLib::Value& v : s.GetValueList(RawArg(expr, 1)))
                     c->CountValue(v);
                 c->AddArgs(s.GetVariableList(RawArg(expr, 0)));
                 return c;
             }},
            {RawType::Circuit,
             [](Self& s, N expr) -> C { return new GFCLib::Circuit(s.GetVariableList(RawArg(expr, 0))); }},
            {RawType::Element,
             [](Self& s, N expr) -> C {
                 Variable* value = s.GetFiniteVar(RawArg(expr, 2));
                 std::vector<GFCLib::Value> list = s.GetValueList(RawArg(expr, 1));
                 GFCLib::IntVar* index = s.GetIntVar(RawArg(expr, 0));
                 if (index == nullptr || value == nullptr)
                     throw TranslationError("Cannot translate " + Name(*expr));
                 return new GFCLib::Element(index, value, list);
             }},
            {RawType::Member, &InitPair<GFCLib::MemberCon>},
            {RawType::NotMember, &InitPair<GFCLib::NotMember>},
            {RawType::AllDisjoint,
             [](Self& s, N expr) -> C {
                 auto* c = new GFCLib::AllDisjoint();
                 std::vector<CPObject*> sets = s.GetVariableList(RawArg(expr, 0));
                 try {
                     c->CheckSetArgs(sets);
                 } catch (...) {
                     delete c;
                     throw;
                 }
                 c->AddArgs(sets);
                 return c;
             }},
            {RawType::Subset, &InitPair<GFCLib::SubsetCon>},
            {RawType::StrictSubset, &InitPair<GFCLib::StrictSubset>},
            {RawType::Equal, &Comparison<GFCLib::Equal>},
            {RawType::NotEqual, &Comparison<GFCLib::NotEqual>},
            {RawType::Less, &Comparison<GFCLib::LessThan>},
            {RawType::LessEqual, &Comparison<GFCLib::LessThanEq>},
            // > and >= are < and <= with the sides exchanged (the left one translated first).
            {RawType::Greater, &Comparison<GFCLib::LessThan, true>},
            {RawType::GreaterEqual, &Comparison<GFCLib::LessThanEq, true>},
            {{RawType::And, RawType::Or}, andOr},
            {RawType::Implies, &OverConditionPair<GFCLib::Implies>},
            {RawType::Iff, &OverConditionPair<GFCLib::Iff>},
            {RawType::Xor, &OverConditionPair<GFCLib::Xor>},
            {RawType::Not,
             [](Self& s, N expr) -> C {
                 auto* c = new GFCLib::Not();
                 c->SetConstraint(s.TranslateCondition(RawArg(expr, 0)));
                 return c;
             }},
        });
    return table;
}

Variable* RawGFCSolver::BoolOf(GFCLib::Constraint* c) {
    std::ostringstream name;
    name << *c;
    auto* b = new GFCLib::BoolVar(name.str().c_str());
    m_csp->GetInducedVariables().push_back(b);
    Remember(b);
    Post(new GFCLib::Iff(c, new GFCLib::Equal(b, OwnValue(GFCLib::Value(1)))));
    return b;
}

Variable* RawGFCSolver::Reify(const RPtr<RawExpr>& expr) {
    GFCLib::Constraint* c = TranslateConstraint(expr);
    return BoolOf(c);
}

Variable* RawGFCSolver::ReifySoft(const RPtr<RawExpr>& expr) {
    std::vector<GFCLib::Constraint*> conditions;
    std::vector<GFCLib::Constraint*>* const outer = m_definedness;
    m_definedness = &conditions;
    GFCLib::Constraint* c = nullptr;
    try {
        c = TranslateCondition(expr);
    } catch (...) {
        m_definedness = outer;
        for (GFCLib::Constraint* condition : conditions)
            delete condition;
        throw;
    }
    m_definedness = outer;
    if (!conditions.empty()) {
        conditions.push_back(c);
        c = new GFCLib::NaryAnd(conditions);
    }
    return BoolOf(c);
}

void RawGFCSolver::AddDefinedness(GFCLib::Constraint* condition) {
    if (m_definedness == nullptr) {
        delete condition;
        throw Bug(kSource, __LINE__);
    }
    m_definedness->push_back(condition);
}

GFCLib::IntVar* RawGFCSolver::BuildSoftCost() {
    // The total weight less the weights of the soft constraints that hold.
    m_softForm = Linear();
    for (const auto& soft : m_problem->GetSoftConstraints()) {
        CheckStop();
        RPtr<RawExpr> node = soft;
        const RPtr<RawExpr> constraint = RawArg(node, 0);
        // A boolean variable is its own truth; anything else is reified.
        Variable* b =
            constraint->GetType() == RawType::BoolVar ? GetIntVar(constraint) : ReifySoft(constraint);
        if (b == nullptr) throw TranslationError("Cannot translate the soft constraint " + Name(*soft));
        const long long w = ToValue(RawArg(node, 1)).GetInt();
        m_softForm.terms.push_back(b);
        m_softForm.coefficients.push_back(-w);
        m_softForm.constant += w;
    }
    m_softCost = dynamic_cast<GFCLib::IntVar*>(LinearVariable(m_softForm, nullptr));
    return m_softCost;
}

void RawGFCSolver::AddObjective() {
    const RPtr<RawOpt>& objective = m_problem->GetObjective();
    if (!objective && !m_problem->HasSoftConstraints()) return;
    SetObjective(objective, BuildSoftCost());
}

void RawGFCSolver::SetObjective(const RPtr<RawOpt>& objective, GFCLib::IntVar* softCost) {
    GFCLib::IntVar* target = softCost;
    if (objective) {
        // One linear form of the objective (negated when maximised) and the soft cost, so that a
        // new best bound narrows the decision variables through it.
        const RPtr<RawExpr> expression = objective->GetExpression();
        Linear form;
        Linearize(expression, objective->GetType() == RawType::Maximise ? -1 : 1, form);
        if (softCost != nullptr) form.Add(m_softForm, 1);
        target = dynamic_cast<GFCLib::IntVar*>(LinearVariable(form, expression.Get()));
        if (target == nullptr) throw TranslationError("Cannot optimise " + Name(*expression));
    }
    auto* minimise = new GFCLib::Minimise(target, m_csp.get());
    m_csp->SetObjective(minimise);
    minimise->Attach();
}

// ---- terms and expressions ----

CPObject* RawGFCSolver::OwnValue(const GFCLib::Value& value) {
    auto* owned = new GFCLib::Value(value);
    m_csp->GetValues().push_back(owned);
    return owned;
}

CPObject* RawGFCSolver::TranslateTerm(const RPtr<RawExpr>& expr) {
    if (expr->IsVar()) return expr->IsOp() ? TranslateExpr(expr) : GetNamedVariable(expr);
    if (expr->IsCon()) return Reify(expr);
    if (expr->IsVal()) return OwnValue(ToValue(expr));
    return TranslateExpr(expr);
}

Variable* RawGFCSolver::GetVariable(const RPtr<RawExpr>& expr) {
    return expr->IsOp() ? TranslateExpr(expr) : GetNamedVariable(expr);
}

GFCLib::IntVar* RawGFCSolver::GetIntVar(const RPtr<RawExpr>& expr) {
    return dynamic_cast<GFCLib::IntVar*>(GetVariable(expr));
}

GFCLib::SetVar* RawGFCSolver::GetSetVar(const RPtr<RawExpr>& expr) {
    return dynamic_cast<GFCLib::SetVar*>(GetVariable(expr));
}

Variable* RawGFCSolver::GetFiniteVar(const RPtr<RawExpr>& expr) {
    Variable* v = GetVariable(expr);
    return v != nullptr && v->IsFinite() ? v : nullptr;
}

Variable* RawGFCSolver::GetNamedVariable(const RPtr<RawExpr>& expr) {
    if (expr->GetType() == RawType::BoolVar || expr->GetType() == RawType::IntVar ||
        expr->GetType() == RawType::SetVar || expr->GetType() == RawType::StrVar) {
        // A reference to the declaration itself, as the reader makes them.
        const auto node = std::lower_bound(m_byNode.begin(), m_byNode.end(), expr.Get(),
                                           [](const auto& entry, const RawExpr* key) {
                                               return std::less<const RawExpr*>()(entry.first, key);
                                           });
        if (node != m_byNode.end() && node->first == expr.Get()) return node->second;
        // A reference made apart from the declaration: the first variable of that name.
        Variable* named = m_csp->FindVariable(expr->GetName().c_str());
        if (named == nullptr) throw TranslationError("Complete search has no variable " + expr->GetName());
        return named;
    }
    if (expr->IsVal()) {
        // A constant where a variable is needed: a variable whose domain holds only it.
        const std::string number = std::to_string(m_tempCounter++);
        const std::string domainName = "__tmpDom__" + number;
        const std::string variableName = "__tmpVar__" + number;
        RawType domainType;
        RawType variableType;
        if (expr->IsInt()) {
            domainType = RawType::IntDom;
            variableType = RawType::IntVar;
        } else if (expr->IsStr()) {
            domainType = RawType::StrDom;
            variableType = RawType::StrVar;
        } else if (expr->IsSet()) {
            throw TranslationError("Complete search cannot use the set constant " + Name(*expr) +
                                   " where a set variable is needed");
        } else {
            throw Bug(kSource, __LINE__);
        }
        auto values = MakeR<RawArr>();
        values->AddElement(expr);
        m_problem->AddDomain(MakeR<RawDom>(domainType, domainName, RPtr<RawExpr>(values)));
        RPtr<RawDom> domain;
        if (!m_problem->FindDomain(domainName, domainType, domain)) throw Bug(kSource, __LINE__);
        AddDomain(domain);
        Variable* v = MakeVariable(MakeR<RawVar>(variableType, variableName, domain));
        m_csp->GetInducedVariables().push_back(v);
        Remember(v);
        return v;
    }
    // Anything else over variables that is neither a named variable nor an operator (a real
    // variable, a list) would come back here through TranslateTerm.
    if (expr->IsVar() && !expr->IsOp()) ExpressionTable().Refuse(*expr);
    CPObject* term = TranslateTerm(expr);
    return term != nullptr && term->IsVariable() ? static_cast<Variable*>(term) : nullptr;
}

void RawGFCSolver::Remember(Variable* variable) {
    m_byName.emplace(GFCLib::PrintedName(*variable), variable);
}

namespace {

// Whether an induced variable's values can leave the int range (it then saturates).
bool LeavesIntRange(const Variable& v) {
    if (const auto* binary = dynamic_cast<const GFCLib::IntBinOp*>(&v)) return binary->LeavesIntRange();
    if (const auto* unary = dynamic_cast<const GFCLib::IntUnaryOp*>(&v)) return unary->LeavesIntRange();
    if (const auto* linear = dynamic_cast<const GFCLib::LinearOp*>(&v)) return linear->LeavesIntRange();
    return false;
}

// Whether a term is an integer constant (its value in `constant`).
bool IsIntConstant(const CPObject& term, long long& constant) {
    if (!term.IsValue()) return false;
    const GFCLib::Value& v = term.GetValue();
    if (v.GetTag() != GFCLib::Value::kInt && v.GetTag() != GFCLib::Value::kBool) return false;
    constant = v.GetInt();
    return true;
}

// Whether a saturated value compares exactly with the constant: the constant lies strictly
// inside the range the variable saturates at.
bool ComparesExactly(const Variable& v, long long constant) {
    long long lo = GFCLib::IntVar::kMinInt;
    long long hi = GFCLib::IntVar::kMaxInt;
    if (const auto* linear = dynamic_cast<const GFCLib::LinearOp*>(&v)) {
        lo = linear->SaturationLow();
        hi = linear->SaturationHigh();
    } else if (const auto* binary = dynamic_cast<const GFCLib::IntBinOp*>(&v)) {
        lo = binary->SaturationLow();
        hi = binary->SaturationHigh();
    }
    return constant > lo && constant < hi;
}

} // namespace

Variable* RawGFCSolver::ShareOrAdd(Variable* induced, const RawExpr* source) {
    // Expressions that print alike share one induced variable and one definition.
    auto [at, added] = m_byName.emplace(GFCLib::PrintedName(*induced), induced);
    Variable* v = at->second;
    if (!added)
        delete induced;
    else
        m_csp->AddVariable(induced);
    if (LeavesIntRange(*v)) {
        auto wide =
            std::find_if(m_wide.begin(), m_wide.end(), [&](const WideUse& w) { return w.variable == v; });
        if (wide == m_wide.end()) {
            m_wide.push_back(
                {v, source != nullptr ? Name(*source) : "the total weight of the soft constraints"});
            wide = m_wide.end() - 1;
        }
        ++wide->uses;
    }
    return v;
}

void RawGFCSolver::CountComparison(CPObject* term, long long constant) {
    for (WideUse& w : m_wide)
        if (w.variable == term && ComparesExactly(*w.variable, constant)) ++w.compared;
}

void RawGFCSolver::CountComparedWithConstant(CPObject* a, CPObject* b) {
    if (a == nullptr || b == nullptr) return; // the comparison's own check refuses it
    long long constant = 0;
    if (IsIntConstant(*b, constant)) CountComparison(a, constant);
    if (IsIntConstant(*a, constant)) CountComparison(b, constant);
}

void RawGFCSolver::RefuseInexactArithmetic() const {
    for (const WideUse& w : m_wide)
        if (w.uses > w.compared)
            throw TranslationError("Complete search cannot handle the expression " + w.text +
                                   ": its values leave the 32-bit integer range, which it can only "
                                   "compare with a constant");
}

Variable* RawGFCSolver::TranslateExpr(const RPtr<RawExpr>& expr) {
    return ExpressionTable().Visit(*this, expr);
}

Variable* RawGFCSolver::BinaryOp(const RPtr<RawExpr>& expr, GFCLib::IntBinOp* op, bool checked,
                                 bool undefinedAtZero) {
    std::unique_ptr<GFCLib::IntBinOp> owned(op);
    CPObject* b = TranslateTerm(RawArg(expr, 1)); // second first
    CPObject* a = TranslateTerm(RawArg(expr, 0));
    if (b == nullptr || a == nullptr) throw TranslationError("Cannot translate " + Name(*expr));
    const bool mayBeZero = b->IsBound() ? b->GetValue().GetInt() == 0
                                        : dynamic_cast<GFCLib::IntVar*>(b) != nullptr &&
                                              static_cast<GFCLib::IntVar*>(b)->ContainsInt(0);
    if (undefinedAtZero && mayBeZero && m_definedness != nullptr) {
        // Inside a soft constraint: defined only where the divisor is not 0.
        op->SetTotal(true);
        AddDefinedness(new GFCLib::NotEqual(b, OwnValue(GFCLib::Value(0))));
    }
    op->SetSaturating(true);
    Naming(expr.Get(), [&] {
        if (checked)
            op->ComputeDomainChecked(a, b);
        else
            op->ComputeDomain(a, b);
    });
    return ShareOrAdd(owned.release(), expr.Get());
}

template <class Made>
GFCLib::Variable* RawGFCSolver::OverIntList(RawGFCSolver& s, const RPtr<RawExpr>& expr) {
    RefuseSets(expr, 0);
    return s.ShareOrAdd(new Made(s.GetVariableList(RawArg(expr, 0))));
}

template <class Made>
GFCLib::Variable* RawGFCSolver::OverSetList(RawGFCSolver& s, const RPtr<RawExpr>& expr) {
    auto op = std::make_unique<Made>();
    op->Init(s.GetVariableList(RawArg(expr, 0)));
    return s.ShareOrAdd(op.release());
}

const RawGFCSolver::ExpressionKinds& RawGFCSolver::ExpressionTable() {
    // Linear arithmetic is one induced variable over the terms it opens up into.
    auto linear = [](Self& s, N expr) -> V {
        Linear form;
        s.Linearize(expr, 1, form);
        return s.LinearVariable(form, expr.Get());
    };
    static const ExpressionKinds table(
        "Complete search", "expression",
        {
            {RawType::Minimum, &OverIntList<GFCLib::MinimumOp>},
            {RawType::Maximum, &OverIntList<GFCLib::MaximumOp>},
            {RawType::Cardinality,
             [](Self& s, N expr) -> V {
                 GFCLib::SetVar* set = s.GetSetVar(RawArg(expr, 0));
                 if (set == nullptr) throw TranslationError("# needs a set variable: " + Name(*expr));
                 auto* op = new GFCLib::CardOp();
                 op->Init(set);
                 return s.ShareOrAdd(op);
             }},
            {RawType::Count,
             [](Self& s, N expr) -> V {
                 RefuseSets(expr, 0);
                 RefuseSets(expr, 1);
                 std::vector<GFCLib::Value> values = s.GetValueList(RawArg(expr, 1));
                 return s.ShareOrAdd(new GFCLib::CountOp(s.GetVariableList(RawArg(expr, 0)), values));
             }},
            {{RawType::Sum, RawType::ScalProd, RawType::Plus, RawType::Minus, RawType::Times}, linear},
            {RawType::Divide,
             [](Self& s, N expr) -> V { return s.BinaryOp(expr, new GFCLib::DivOp(), true, true); }},
            {RawType::Modulo,
             [](Self& s, N expr) -> V { return s.BinaryOp(expr, new GFCLib::ModOp(), true, true); }},
            {RawType::Power,
             [](Self& s, N expr) -> V { return s.BinaryOp(expr, new GFCLib::PowerOp(), true, false); }},
            {RawType::Abs,
             [](Self& s, N expr) -> V {
                 CPObject* a = s.TranslateTerm(RawArg(expr, 0));
                 auto op = std::make_unique<GFCLib::AbsOp>();
                 op->SetSaturating(true);
                 Naming(expr.Get(), [&] { op->ComputeDomain(a); });
                 return s.ShareOrAdd(op.release(), expr.Get());
             }},
            {RawType::Union, &OverSetList<GFCLib::UnionOp>},
            {RawType::Intersection, &OverSetList<GFCLib::IntersectOp>},
            {RawType::Index,
             [](Self& s, N expr) -> V {
                 GFCLib::IntVar* index = s.GetIntVar(RawArg(expr, 0));
                 if (index == nullptr)
                     throw TranslationError("Index needs an integer position: " + Name(*expr));
                 const std::vector<GFCLib::Value> values = s.GetValueList(RawArg(expr, 1));
                 const long long last = static_cast<long long>(values.size()) - 1;
                 const bool total =
                     s.m_definedness != nullptr && (index->MinInt() < 0 || index->MaxInt() > last);
                 if (total) {
                     // Inside a soft constraint: defined only at a position of the list.
                     s.AddDefinedness(new GFCLib::LessThanEq(s.OwnValue(GFCLib::Value(0)), index));
                     s.AddDefinedness(
                         new GFCLib::LessThanEq(index, s.OwnValue(GFCLib::Value(static_cast<int>(last)))));
                 }
                 return s.ShareOrAdd(new GFCLib::IndexOp(index, values, total));
             }},
        });
    return table;
}

// ---- linear arithmetic ----

void RawGFCSolver::Linear::Add(const Linear& other, long long factor) {
    for (std::size_t i = 0; i < other.terms.size(); ++i) {
        terms.push_back(other.terms[i]);
        coefficients.push_back(other.coefficients[i] * factor);
    }
    constant += other.constant * factor;
}

void RawGFCSolver::Linearize(const RPtr<RawExpr>& expr, long long scale, Linear& into) {
    const RawExpr& node = *expr;
    const auto addConstant = [&](long long value) {
        if (__builtin_add_overflow(into.constant, Scaled(scale, value, node), &into.constant))
            Scaled(1LL << 62, 2, node);
    };
    // Nested arithmetic is read here rather than through the table: check its shape as the
    // table would.
    if (IsArithmetic(node)) ExpressionTable().CheckArgCount(node);
    switch (node.GetType()) {
    case RawType::BoolVal:
    case RawType::IntVal:
    case RawType::FltVal:
        addConstant(ToValue(expr).GetInt());
        return;
    case RawType::Plus:
    case RawType::Minus: {
        const bool minus = node.GetType() == RawType::Minus;
        if (minus && node.GetArgCount() == 1) {
            Linearize(RawArg(expr, 0), -scale, into);
            return;
        }
        // The second argument first, as every two-operand expression is translated.
        Linear b;
        Linearize(RawArg(expr, 1), minus ? -scale : scale, b);
        Linear a;
        Linearize(RawArg(expr, 0), scale, a);
        into.Add(a, 1);
        into.Add(b, 1);
        return;
    }
    case RawType::Times: {
        Linear b;
        Linearize(RawArg(expr, 1), 1, b);
        Linear a;
        Linearize(RawArg(expr, 0), 1, a);
        if (b.terms.empty()) {
            Scaled(scale, b.constant, node);
            into.Add(a, scale * b.constant);
        } else if (a.terms.empty()) {
            Scaled(scale, a.constant, node);
            into.Add(b, scale * a.constant);
        } else {
            // A product of two variables is a term of its own.
            auto op = std::make_unique<GFCLib::TimesOp>();
            op->SetSaturating(true);
            Variable* left = LinearVariable(a, RawArg(expr, 0).Get());
            Variable* right = LinearVariable(b, RawArg(expr, 1).Get());
            Naming(&node, [&] { op->ComputeDomain(left, right); });
            into.terms.push_back(ShareOrAdd(op.release(), &node));
            into.coefficients.push_back(scale);
        }
        return;
    }
    case RawType::Sum:
    case RawType::ScalProd: {
        const bool scalar = node.GetType() == RawType::ScalProd;
        RefuseSets(expr, 0);
        std::vector<GFCLib::Value> coefficients;
        if (scalar) {
            RefuseSets(expr, 1);
            coefficients = GetValueList(RawArg(expr, 1));
        }
        const RPtr<RawExpr> list = RawArg(expr, 0);
        if (!list->IsArray()) throw TranslationError("A list was expected: " + Name(*list));
        if (scalar && coefficients.size() != static_cast<std::size_t>(list->GetSize()))
            throw TranslationError("ScalProd needs one coefficient per term: " + Name(node));
        for (int i = 0; i < list->GetSize(); ++i)
            Linearize(list->GetElement(i),
                      scalar ? Scaled(scale, coefficients[static_cast<std::size_t>(i)].GetInt(), node)
                             : scale,
                      into);
        return;
    }
    default: {
        CPObject* term = TranslateTerm(expr);
        if (term == nullptr) throw TranslationError("Cannot translate " + Name(node));
        if (term->IsValue()) {
            addConstant(term->GetValue().GetInt());
            return;
        }
        into.terms.push_back(term);
        into.coefficients.push_back(scale);
        return;
    }
    }
}

Variable* RawGFCSolver::LinearVariable(const Linear& form, const RawExpr* source, bool narrow) {
    if (form.terms.size() == 1 && form.coefficients[0] == 1 && form.constant == 0 &&
        form.terms[0]->IsVariable())
        return static_cast<Variable*>(form.terms[0]);
    auto op = std::make_unique<GFCLib::LinearOp>();
    if (narrow)
        op->SetSaturating(true, -(1LL << 30), (1LL << 30) - 1);
    else
        op->SetSaturating(true);
    Naming(source, [&] { op->InitTerms(form.terms, form.coefficients, form.constant); });
    // Terms that cancel out may leave a single variable.
    long long coefficient = 0;
    if (GFCLib::IntVar* only = op->ViewOf(coefficient);
        only != nullptr && coefficient == 1 && op->GetConstant() == 0)
        return only;
    return ShareOrAdd(op.release(), source);
}

GFCLib::Constraint* RawGFCSolver::LinearComparison(const RPtr<RawExpr>& expr) {
    // lhs op rhs as (lhs - rhs without its constant) op (- that constant); the second side
    // first, as every comparison is translated.
    Linear rhs;
    Linearize(RawArg(expr, 1), -1, rhs);
    Linear difference;
    Linearize(RawArg(expr, 0), 1, difference);
    difference.Add(rhs, 1);
    long long bound = -difference.constant;
    difference.constant = 0;
    RawType kind = expr->GetType();
    // One form for every way of writing the comparison: a term given twice is one term, terms
    // follow their variables' creation, and the first coefficient is positive (the comparison
    // mirrored otherwise), so that x - y <> k and y - x <> -k share one induced variable, and a
    // term whose values leave the int range, compared exactly only when it stands alone with
    // coefficient 1, is not lost to a minus sign.
    {
        std::vector<std::pair<GFCLib::Variable*, long long>> merged;
        for (std::size_t i = 0; i < difference.terms.size(); ++i) {
            auto* v = static_cast<GFCLib::Variable*>(difference.terms[i]);
            auto at = std::find_if(merged.begin(), merged.end(), [&](const auto& t) { return t.first == v; });
            if (at == merged.end())
                merged.emplace_back(v, difference.coefficients[i]);
            else if (__builtin_add_overflow(at->second, difference.coefficients[i], &at->second))
                Scaled(1LL << 62, 2, *expr);
        }
        merged.erase(
            std::remove_if(merged.begin(), merged.end(), [](const auto& t) { return t.second == 0; }),
            merged.end());
        std::stable_sort(merged.begin(), merged.end(),
                         [](const auto& a, const auto& b) { return a.first->GetId() < b.first->GetId(); });
        const bool mirror = !merged.empty() && merged.front().second < 0;
        difference.terms.clear();
        difference.coefficients.clear();
        for (const auto& [v, c] : merged) {
            difference.terms.push_back(v);
            difference.coefficients.push_back(mirror ? -c : c);
        }
        if (mirror) {
            bound = -bound;
            switch (kind) {
            case RawType::Less:
                kind = RawType::Greater;
                break;
            case RawType::LessEqual:
                kind = RawType::GreaterEqual;
                break;
            case RawType::Greater:
                kind = RawType::Less;
                break;
            case RawType::GreaterEqual:
                kind = RawType::LessEqual;
                break;
            default:
                break;
            }
        }
    }
    // A disequality of two variables with unit coefficients of opposite signs (q[i] - q[j] <> k,
    // q[i] + i <> q[j] + j) needs no variable for the difference.
    if (kind == RawType::NotEqual && difference.terms.size() == 2 && difference.coefficients[0] == 1 &&
        difference.coefficients[1] == -1) {
        auto* a = dynamic_cast<GFCLib::IntVar*>(difference.terms[0]);
        auto* b = dynamic_cast<GFCLib::IntVar*>(difference.terms[1]);
        if (a != nullptr && b != nullptr) return new GFCLib::NotEqualOffset(a, b, bound);
    }
    // The constant must lie strictly inside the int range for a saturated side to compare
    // exactly, and a side must span no more values than a domain holds: otherwise the constant
    // moves into the linear form, which is then compared with 0.
    bool narrow = false;
    if (!difference.terms.empty()) {
        __int128 span = 1;
        for (std::size_t i = 0; i < difference.terms.size(); ++i)
            if (const auto* x = dynamic_cast<const GFCLib::IntVar*>(difference.terms[i]))
                span += (static_cast<__int128>(x->MaxInt()) - x->MinInt()) *
                        (difference.coefficients[i] < 0 ? -difference.coefficients[i]
                                                        : difference.coefficients[i]);
        narrow = span > GFCLib::FiniteDomainSpec::kMaxUniverseSize;
    }
    if (narrow || bound <= GFCLib::IntVar::kMinInt || bound >= GFCLib::IntVar::kMaxInt) {
        if (difference.terms.empty()) {
            bound = std::clamp(bound, GFCLib::IntVar::kMinInt + 1, GFCLib::IntVar::kMaxInt - 1);
        } else {
            difference.constant = -bound;
            bound = 0;
        }
    }
    CPObject* left = difference.terms.empty()
                         ? OwnValue(GFCLib::Value(0))
                         : static_cast<CPObject*>(LinearVariable(difference, expr.Get(), narrow));
    if (left->IsVariable()) CountComparison(left, bound);
    CPObject* right = OwnValue(GFCLib::Value(static_cast<int>(bound)));
    switch (kind) {
    case RawType::Equal:
        return new GFCLib::Equal(left, right);
    case RawType::NotEqual:
        return new GFCLib::NotEqual(left, right);
    case RawType::Less:
        return new GFCLib::LessThan(left, right);
    case RawType::LessEqual:
        return new GFCLib::LessThanEq(left, right);
    case RawType::Greater:
        return new GFCLib::LessThan(right, left);
    default:
        return new GFCLib::LessThanEq(right, left);
    }
}

GFCLib::Value RawGFCSolver::ToValue(const RPtr<RawExpr>& expr) {
    switch (expr->GetType()) {
    case RawType::BoolVal:
    case RawType::IntVal:
        return GFCLib::Value(expr->GetInt());
    case RawType::FltVal:
        return GFCLib::Value(static_cast<int>(expr->GetFlt()));
    case RawType::SetVal: {
        // The universe lives in the problem, as long as the set value that refers to it.
        auto* universe = new std::vector<GFCLib::Value>(GetValueList(expr));
        m_csp->GetValueLists().push_back(universe);
        return GFCLib::Value(universe, 1);
    }
    case RawType::StrVal:
        return GFCLib::Value(expr->GetStr());
    default:
        return GFCLib::Value();
    }
}

std::vector<GFCLib::Value> RawGFCSolver::GetValueList(const RPtr<RawExpr>& list) {
    if (!list->IsArray() && !list->IsSet() && list->GetType() != RawType::Range)
        throw TranslationError("A list of values was expected: " + Name(*list));
    std::vector<GFCLib::Value> values;
    for (int i = 0; i < list->GetSize(); ++i) {
        if (i % 4096 == 0) CheckStop();
        values.push_back(ToValue(list->GetElement(i)));
    }
    return values;
}

std::vector<CPObject*> RawGFCSolver::GetVariableList(const RPtr<RawExpr>& list) {
    if (!list->IsArray()) throw TranslationError("A list was expected: " + Name(*list));
    // Constants stay constants: the library's list constraints and expressions take them.
    std::vector<CPObject*> terms;
    for (int i = 0; i < list->GetSize(); ++i) {
        CheckStop();
        CPObject* term = TranslateTerm(list->GetElement(i));
        if (term == nullptr) throw TranslationError("Cannot translate " + Name(*list->GetElement(i)));
        terms.push_back(term);
    }
    return terms;
}

} // namespace TavBridges
