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
#include "complete/ReleaseGlobals.hpp"
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

#include <atomic>
#include <memory>
#include <ostream>
#include <sstream>
#include <utility>

namespace {

// The library's registries and id counters are process-wide: one bridge at a time.
std::atomic<bool> g_bridgeAlive{false};

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

} // namespace

RawGFCSolver::RawGFCSolver(RawCSP* problem, const AlgParams* params, BridgeContext context)
    : RawSolver(problem), m_context(std::move(context)) {
    if (problem == nullptr || params == nullptr) throw Platform::InternalError("RawGFCSolver: no problem");
    // Real variables and the constraints over them live in lists of their own that only linear
    // programming reads: solving without them would report assignments that ignore them.
    if (!problem->GetRealVariables().empty())
        throw TranslationError(
            "Complete search cannot handle real variables: use the linear-programming solver");
    if (g_bridgeAlive.exchange(true))
        throw Platform::InternalError("Only one complete-search solver can exist at a time");
    try {
        m_csp = std::make_unique<GFCLib::CSP>();
        AddDomains();
        AddVariables();
        AddConstraints();
        AddObjective();
        m_stats = std::make_unique<GFCLib::GFCStats>();
        m_search = std::make_unique<GFCLib::GFC>(m_csp.get(), m_stats.get(), false);
        SetParameters(params);
    } catch (...) {
        m_search.reset();
        m_csp.reset();
        GFCLib::ReleaseGlobals();
        m_stats.reset();
        g_bridgeAlive = false;
        throw;
    }
}

RawGFCSolver::~RawGFCSolver() {
    // The search's records refer to the problem's variables: the search goes first.
    m_search.reset();
    m_csp.reset();
    GFCLib::ReleaseGlobals();
    m_stats.reset();
    g_bridgeAlive = false;
}

void RawGFCSolver::SetParameters(const AlgParams* params) {
    for (int id = 1; id <= 14; ++id)
        m_search->SetParameter(id, params->GetParameter(id));
}

void RawGFCSolver::Stop() {
    m_search->RequestStop();
}

bool RawGFCSolver::Solve() {
    SetFinished(false);
    SetSolved(false);
    const bool found = NextSolution();
    SetFinished(true);
    SetSolved(found);
    return found;
}

bool RawGFCSolver::NextSolution() {
    if (!m_search->FindNextSolution()) return false;
    StoreSolution();
    return true;
}

bool RawGFCSolver::StoppedByThrashing() const {
    // The check raises the search's stop request, which stays set: the flag means the search
    // ended there and will not go on.
    return m_stats->IsThrashingDetected();
}

std::ostream& RawGFCSolver::PrintStatistics(std::ostream& out) {
    return out << *m_stats;
}

void RawGFCSolver::StoreSolution() {
    RawSolution& solution = m_solutions.AddSolution();
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
        if (raw) solution.AddLabel(RawLabel(var->GetName(), raw));
    }
    const RPtr<RawOpt>& objective = m_problem->GetObjective();
    if (objective) {
        int cost = m_search->GetObjectiveBound().GetInt();
        if (objective->GetType() == RawType::Maximise) cost = -cost;
        solution.SetCost(RPtr<RawExpr>(new RawInt(cost)));
    }
    if (m_problem->HasSoftConstraints() && m_softCost != nullptr)
        solution.SetSoftCost(RPtr<RawExpr>(new RawInt(m_softCost->GetCurrentValue().GetInt())));
}

// ---- domains and variables ----

void RawGFCSolver::AddDomains() {
    // A copy: temporaries made while translating append to the raw problem's list.
    const std::vector<RPtr<RawDom>> domains = m_problem->GetDomains();
    for (const auto& domain : domains)
        AddDomain(domain);
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
        Platform::Report(m_context.diagnostics, "Domain type not implemented yet");
    }
}

void RawGFCSolver::AddVariables() {
    for (const auto& variable : m_problem->GetVariables()) {
        Variable* v = MakeVariable(variable);
        m_csp->AddVariable(v);
        Remember(v);
    }
}

Variable* RawGFCSolver::MakeVariable(const RPtr<RawVar>& variable) {
    const std::string name = variable->GetName();
    const std::string domain = variable->GetDomainName();
    // A variable over a domain that was never made would have no values at all.
    auto missing = [&]() {
        return TranslationError("Variable " + name + " has no domain " +
                                (domain.empty() ? std::string("(none given)") : domain) +
                                " to take values from");
    };
    switch (variable->GetType()) {
    case RawType::BoolVar:
        return new GFCLib::BoolVar(name.c_str());
    case RawType::IntVar:
        if (GFCLib::IntDomainSpec::Find(domain.c_str()) == nullptr) throw missing();
        return new GFCLib::IntVar(name.c_str(), domain.c_str());
    case RawType::SetVar:
        if (GFCLib::SetDomSpec::Find(domain.c_str()) == nullptr) throw missing();
        return new GFCLib::SetVar(name.c_str(), domain.c_str());
    case RawType::StrVar:
        if (GFCLib::FiniteDomainSpec::Find(domain.c_str()) == nullptr) throw missing();
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
    for (const auto& constraint : m_problem->GetConstraints())
        Post(TranslateConstraint(constraint));
}

GFCLib::Constraint* RawGFCSolver::TranslateCondition(const RPtr<RawExpr>& expr) {
    if (expr->IsCon()) return TranslateConstraint(expr);
    // A value used as a condition (a boolean variable, a reified sum): true when not 0.
    CPObject* term = TranslateTerm(expr);
    if (term == nullptr) throw TranslationError("Cannot use " + Name(*expr) + " as a condition");
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
    GFCLib::Constraint* rhs = TranslateCondition(RawArg(expr, 1)); // second first
    GFCLib::Constraint* lhs = TranslateCondition(RawArg(expr, 0));
    return {lhs, rhs};
}

GFCLib::Constraint* RawGFCSolver::TranslateConstraint(const RPtr<RawExpr>& expr) {
    // A kind outside the table is refused: dropping it would return solutions that violate
    // the problem.
    return ConstraintTable().Visit(*this, expr);
}

const RawGFCSolver::ConstraintKinds& RawGFCSolver::ConstraintTable() {
    using C = GFCLib::Constraint*;
    using Self = RawGFCSolver;
    using N = const RPtr<RawExpr>&;
    auto andOr = [](Self& s, N expr) -> C {
        const bool isAnd = expr->GetType() == RawType::And;
        std::vector<RPtr<RawExpr>> list = Operands(expr);
        if (list.size() == 2 && expr->GetArgCount() == 2) {
            auto [lhs, rhs] = s.ConditionPair(expr);
            if (isAnd) return new GFCLib::And(lhs, rhs);
            C c = new GFCLib::Or(lhs, rhs);
            c->ExpandDomains(0);
            return c;
        }
        std::vector<C> translated;
        for (const auto& operand : list)
            translated.push_back(s.TranslateCondition(operand));
        if (isAnd) return new GFCLib::NaryAnd(translated);
        // A disjunction of a list: nested two-operand disjunctions, left to right.
        if (translated.empty()) throw TranslationError("Or over an empty list: " + Name(*expr));
        C c = translated[0];
        for (std::size_t i = 1; i < translated.size(); ++i) {
            c = new GFCLib::Or(c, translated[i]);
            c->ExpandDomains(0);
        }
        return c;
    };
    auto member = [](Self& s, N expr) -> C {
        CPObject* set = s.TranslateTerm(RawArg(expr, 1));
        CPObject* element = s.TranslateTerm(RawArg(expr, 0));
        auto* c = expr->GetType() == RawType::Member ? new GFCLib::MemberCon() : new GFCLib::NotMember();
        c->Init(element, set);
        return c;
    };
    auto subset = [](Self& s, N expr) -> C {
        CPObject* b = s.TranslateTerm(RawArg(expr, 1));
        CPObject* a = s.TranslateTerm(RawArg(expr, 0));
        auto* c = expr->GetType() == RawType::Subset ? new GFCLib::SubsetCon() : new GFCLib::StrictSubset();
        c->Init(a, b);
        return c;
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
            {RawType::Member, member},
            {RawType::NotMember, member},
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
            {RawType::Subset, subset},
            {RawType::StrictSubset, subset},
            {RawType::Equal,
             [](Self& s, N expr) -> C {
                 auto [a, b] = s.TermPair(expr);
                 return new GFCLib::Equal(a, b);
             }},
            {RawType::Greater,
             [](Self& s, N expr) -> C {
                 CPObject* a = s.TranslateTerm(RawArg(expr, 0));
                 CPObject* b = s.TranslateTerm(RawArg(expr, 1));
                 return new GFCLib::LessThan(b, a);
             }},
            {RawType::GreaterEqual,
             [](Self& s, N expr) -> C {
                 CPObject* a = s.TranslateTerm(RawArg(expr, 0));
                 CPObject* b = s.TranslateTerm(RawArg(expr, 1));
                 return new GFCLib::LessThanEq(b, a);
             }},
            {RawType::Less,
             [](Self& s, N expr) -> C {
                 auto [a, b] = s.TermPair(expr);
                 return new GFCLib::LessThan(a, b);
             }},
            {RawType::LessEqual,
             [](Self& s, N expr) -> C {
                 auto [a, b] = s.TermPair(expr);
                 return new GFCLib::LessThanEq(a, b);
             }},
            {RawType::NotEqual,
             [](Self& s, N expr) -> C {
                 auto [a, b] = s.TermPair(expr);
                 return new GFCLib::NotEqual(a, b);
             }},
            {RawType::And, andOr},
            {RawType::Or, andOr},
            {RawType::Implies,
             [](Self& s, N expr) -> C {
                 auto [lhs, rhs] = s.ConditionPair(expr);
                 return new GFCLib::Implies(lhs, rhs);
             }},
            {RawType::Iff,
             [](Self& s, N expr) -> C {
                 auto [lhs, rhs] = s.ConditionPair(expr);
                 return new GFCLib::Iff(lhs, rhs);
             }},
            {RawType::Xor,
             [](Self& s, N expr) -> C {
                 auto [lhs, rhs] = s.ConditionPair(expr);
                 return new GFCLib::Xor(lhs, rhs);
             }},
            {RawType::Not,
             [](Self& s, N expr) -> C {
                 auto* c = new GFCLib::Not();
                 c->SetConstraint(s.TranslateCondition(RawArg(expr, 0)));
                 return c;
             }},
        });
    return table;
}

Variable* RawGFCSolver::Reify(const RPtr<RawExpr>& expr) {
    GFCLib::Constraint* c = TranslateConstraint(expr);
    std::ostringstream name;
    name << *c;
    auto* b = new GFCLib::BoolVar(name.str().c_str());
    m_csp->GetInducedVariables().push_back(b);
    Remember(b);
    Post(new GFCLib::Iff(c, new GFCLib::Equal(b, OwnValue(GFCLib::Value(1)))));
    return b;
}

GFCLib::IntVar* RawGFCSolver::BuildSoftCost() {
    std::vector<CPObject*> booleans;
    std::vector<GFCLib::Value> weights;
    GFCLib::Value total(0);
    for (const auto& soft : m_problem->GetSoftConstraints()) {
        RPtr<RawExpr> node = soft;
        Variable* b = GetIntVar(RawArg(node, 0));
        if (b == nullptr) throw TranslationError("Cannot translate the soft constraint " + Name(*soft));
        GFCLib::Value w = ToValue(RawArg(node, 1));
        booleans.push_back(b);
        weights.push_back(w);
        total = total + w;
    }
    auto* s = new GFCLib::ScalProdOp();
    s->Init(booleans, weights);
    Variable* sum = ShareOrAdd(s);
    auto* m = new GFCLib::MinusOp();
    m->ComputeDomain(OwnValue(total), sum);
    m_softCost = static_cast<GFCLib::IntVar*>(ShareOrAdd(m));
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
        RPtr<RawExpr> expression = objective->GetExpression();
        if (objective->GetType() == RawType::Maximise)
            expression = RPtr<RawExpr>(new RawOp(RawType::Minus, expression));
        GFCLib::IntVar* f = GetIntVar(expression);
        if (f == nullptr) throw TranslationError("Cannot optimise " + Name(*objective->GetExpression()));
        if (softCost == nullptr) {
            target = f;
        } else {
            auto* plus = new GFCLib::PlusOp();
            plus->ComputeDomain(f, softCost);
            target = static_cast<GFCLib::IntVar*>(ShareOrAdd(plus));
        }
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
        auto found = m_byName.find(expr->GetName());
        if (found == m_byName.end())
            throw TranslationError("Complete search has no variable " + expr->GetName());
        return found->second;
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

Variable* RawGFCSolver::ShareOrAdd(Variable* induced) {
    // Expressions that print alike share one induced variable and one definition.
    auto [at, added] = m_byName.emplace(GFCLib::PrintedName(*induced), induced);
    if (!added) {
        delete induced;
        return at->second;
    }
    m_csp->AddVariable(induced);
    return induced;
}

Variable* RawGFCSolver::TranslateExpr(const RPtr<RawExpr>& expr) {
    return ExpressionTable().Visit(*this, expr);
}

Variable* RawGFCSolver::BinaryOp(const RPtr<RawExpr>& expr, GFCLib::IntBinOp* op, bool checked) {
    std::unique_ptr<GFCLib::IntBinOp> owned(op);
    CPObject* b = TranslateTerm(RawArg(expr, 1)); // second first
    CPObject* a = TranslateTerm(RawArg(expr, 0));
    if (checked)
        op->ComputeDomainChecked(a, b);
    else
        op->ComputeDomain(a, b);
    return ShareOrAdd(owned.release());
}

const RawGFCSolver::ExpressionKinds& RawGFCSolver::ExpressionTable() {
    using V = Variable*;
    using Self = RawGFCSolver;
    using N = const RPtr<RawExpr>&;
    static const ExpressionKinds table(
        "Complete search", "expression",
        {
            {RawType::Minimum,
             [](Self& s, N expr) -> V {
                 RefuseSets(expr, 0);
                 return s.ShareOrAdd(new GFCLib::MinimumOp(s.GetVariableList(RawArg(expr, 0))));
             }},
            {RawType::Maximum,
             [](Self& s, N expr) -> V {
                 RefuseSets(expr, 0);
                 return s.ShareOrAdd(new GFCLib::MaximumOp(s.GetVariableList(RawArg(expr, 0))));
             }},
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
            {RawType::Sum,
             [](Self& s, N expr) -> V {
                 RefuseSets(expr, 0);
                 auto op = std::make_unique<GFCLib::SumOp>();
                 op->Init(s.GetVariableList(RawArg(expr, 0)));
                 return s.ShareOrAdd(op.release());
             }},
            {RawType::ScalProd,
             [](Self& s, N expr) -> V {
                 RefuseSets(expr, 0);
                 RefuseSets(expr, 1);
                 std::vector<GFCLib::Value> coefficients = s.GetValueList(RawArg(expr, 1));
                 if (coefficients.size() != static_cast<std::size_t>(RawArg(expr, 0)->GetSize()))
                     throw TranslationError("ScalProd needs one coefficient per term: " + Name(*expr));
                 auto op = std::make_unique<GFCLib::ScalProdOp>();
                 op->Init(s.GetVariableList(RawArg(expr, 0)), coefficients);
                 return s.ShareOrAdd(op.release());
             }},
            {RawType::Plus,
             [](Self& s, N expr) -> V { return s.BinaryOp(expr, new GFCLib::PlusOp(), false); }},
            {RawType::Minus,
             [](Self& s, N expr) -> V {
                 if (expr->GetArgCount() == 2) return s.BinaryOp(expr, new GFCLib::MinusOp(), false);
                 CPObject* a = s.TranslateTerm(RawArg(expr, 0));
                 CPObject* zero = s.OwnValue(GFCLib::Value(0));
                 auto* op = new GFCLib::MinusOp();
                 op->ComputeDomain(zero, a);
                 return s.ShareOrAdd(op);
             }},
            {RawType::Times,
             [](Self& s, N expr) -> V { return s.BinaryOp(expr, new GFCLib::TimesOp(), false); }},
            {RawType::Divide,
             [](Self& s, N expr) -> V { return s.BinaryOp(expr, new GFCLib::DivOp(), true); }},
            {RawType::Modulo,
             [](Self& s, N expr) -> V { return s.BinaryOp(expr, new GFCLib::ModOp(), true); }},
            {RawType::Power,
             [](Self& s, N expr) -> V { return s.BinaryOp(expr, new GFCLib::PowerOp(), true); }},
            {RawType::Abs,
             [](Self& s, N expr) -> V {
                 CPObject* a = s.TranslateTerm(RawArg(expr, 0));
                 auto* op = new GFCLib::AbsOp();
                 op->ComputeDomain(a);
                 return s.ShareOrAdd(op);
             }},
            {RawType::Union,
             [](Self& s, N expr) -> V {
                 auto op = std::make_unique<GFCLib::UnionOp>();
                 op->Init(s.GetVariableList(RawArg(expr, 0)));
                 return s.ShareOrAdd(op.release());
             }},
            {RawType::Intersection,
             [](Self& s, N expr) -> V {
                 auto op = std::make_unique<GFCLib::IntersectOp>();
                 op->Init(s.GetVariableList(RawArg(expr, 0)));
                 return s.ShareOrAdd(op.release());
             }},
            {RawType::Index,
             [](Self& s, N expr) -> V {
                 GFCLib::IntVar* index = s.GetIntVar(RawArg(expr, 0));
                 if (index == nullptr)
                     throw TranslationError("Index needs an integer position: " + Name(*expr));
                 return s.ShareOrAdd(new GFCLib::IndexOp(index, s.GetValueList(RawArg(expr, 1))));
             }},
        });
    return table;
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
    for (int i = 0; i < list->GetSize(); ++i)
        values.push_back(ToValue(list->GetElement(i)));
    return values;
}

std::vector<CPObject*> RawGFCSolver::GetVariableList(const RPtr<RawExpr>& list) {
    if (!list->IsArray()) throw TranslationError("A list was expected: " + Name(*list));
    // Constants stay constants: the library's list constraints and expressions take them.
    std::vector<CPObject*> terms;
    for (int i = 0; i < list->GetSize(); ++i) {
        CPObject* term = TranslateTerm(list->GetElement(i));
        if (term == nullptr) throw TranslationError("Cannot translate " + Name(*list->GetElement(i)));
        terms.push_back(term);
    }
    return terms;
}
