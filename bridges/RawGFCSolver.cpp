#include "bridges/RawGFCSolver.hpp"

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
#include "platform/MessageSink.hpp"

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
#include <ostream>
#include <sstream>

namespace {

// The library's registries and id counters are process-wide: one bridge at a time.
std::atomic<bool> g_bridgeAlive{false};

constexpr const char* kSource = "RawGFCSolver";

using GFCLib::CPObject;
using GFCLib::Variable;

RPtr<RawExpr> Arg(const RPtr<RawExpr>& expr, int index) {
    if (index >= expr->GetArgCount()) throw Bug(kSource, __LINE__);
    return expr->GetArgs()->GetElement(index);
}

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
    const RPtr<RawExpr> list = Arg(expr, listIndex);
    if (!list->IsArray()) return; // GetVariableList and GetValueList say what is wrong
    for (int i = 0; i < list->GetSize(); ++i) {
        const RPtr<RawExpr> element = list->GetElement(i);
        if (element->IsSetValued())
            throw TranslationError("Complete search cannot handle the expression " + Name(*element) +
                                   ": a set where an integer is expected in " + Name(*expr));
    }
}

} // namespace

RawGFCSolver::RawGFCSolver(RawCSP* problem, const AlgParams* params) : RawSolver(problem) {
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
        Platform::ShowMessage("Domain type not implemented yet");
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

GFCLib::Constraint* RawGFCSolver::TranslateConstraint(const RPtr<RawExpr>& expr) {
    const RawType type = expr->GetType();
    // The operands of a connective: its arguments, or the elements of one list argument.
    auto operands = [&]() {
        std::vector<RPtr<RawExpr>> result;
        if (expr->GetArgCount() == 1 && expr->GetArgs()->GetElement(0)->IsArray()) {
            RPtr<RawExpr> list = Arg(expr, 0);
            for (int i = 0; i < list->GetSize(); ++i)
                result.push_back(list->GetElement(i));
        } else {
            for (int i = 0; i < expr->GetArgCount(); ++i)
                result.push_back(Arg(expr, i));
        }
        return result;
    };
    auto terms = [&](auto make) {
        CPObject* b = TranslateTerm(Arg(expr, 1)); // second first
        CPObject* a = TranslateTerm(Arg(expr, 0));
        if (a == nullptr || b == nullptr) throw TranslationError("Cannot translate " + Name(*expr));
        return make(a, b);
    };
    auto logical = [&](auto make) {
        GFCLib::Constraint* rhs = TranslateCondition(Arg(expr, 1)); // second first
        GFCLib::Constraint* lhs = TranslateCondition(Arg(expr, 0));
        return make(lhs, rhs);
    };

    switch (type) {
    case RawType::AllDifferent: {
        auto* c = new GFCLib::AllDifferent();
        c->Init(GetVariableList(Arg(expr, 0)));
        return c;
    }
    case RawType::Sequence: {
        auto* c = new GFCLib::Sequence();
        for (const GFCLib::Value& v : GetValueList(Arg(expr, 1)))
            c->CountValue(v);
        c->AddArgs(GetVariableList(Arg(expr, 0)));
        return c;
    }
    case RawType::Circuit:
        return new GFCLib::Circuit(GetVariableList(Arg(expr, 0)));
    case RawType::Element: {
        Variable* value = GetFiniteVar(Arg(expr, 2));
        std::vector<GFCLib::Value> list = GetValueList(Arg(expr, 1));
        GFCLib::IntVar* index = GetIntVar(Arg(expr, 0));
        if (index == nullptr || value == nullptr) throw TranslationError("Cannot translate " + Name(*expr));
        return new GFCLib::Element(index, value, list);
    }
    case RawType::Member:
    case RawType::NotMember: {
        CPObject* set = TranslateTerm(Arg(expr, 1));
        CPObject* element = TranslateTerm(Arg(expr, 0));
        auto* c = type == RawType::Member ? new GFCLib::MemberCon() : new GFCLib::NotMember();
        c->Init(element, set);
        return c;
    }
    case RawType::AllDisjoint: {
        auto* c = new GFCLib::AllDisjoint();
        std::vector<CPObject*> sets = GetVariableList(Arg(expr, 0));
        try {
            c->CheckSetArgs(sets);
        } catch (...) {
            delete c;
            throw;
        }
        c->AddArgs(sets);
        return c;
    }
    case RawType::Subset:
    case RawType::StrictSubset: {
        CPObject* b = TranslateTerm(Arg(expr, 1));
        CPObject* a = TranslateTerm(Arg(expr, 0));
        auto* c = type == RawType::Subset ? new GFCLib::SubsetCon() : new GFCLib::StrictSubset();
        c->Init(a, b);
        return c;
    }
    case RawType::Equal:
        return terms([](CPObject* a, CPObject* b) { return new GFCLib::Equal(a, b); });
    case RawType::Greater: {
        CPObject* a = TranslateTerm(Arg(expr, 0));
        CPObject* b = TranslateTerm(Arg(expr, 1));
        return new GFCLib::LessThan(b, a);
    }
    case RawType::GreaterEqual: {
        CPObject* a = TranslateTerm(Arg(expr, 0));
        CPObject* b = TranslateTerm(Arg(expr, 1));
        return new GFCLib::LessThanEq(b, a);
    }
    case RawType::Less:
        return terms([](CPObject* a, CPObject* b) { return new GFCLib::LessThan(a, b); });
    case RawType::LessEqual:
        return terms([](CPObject* a, CPObject* b) { return new GFCLib::LessThanEq(a, b); });
    case RawType::NotEqual:
        return terms([](CPObject* a, CPObject* b) { return new GFCLib::NotEqual(a, b); });
    case RawType::And:
    case RawType::Or: {
        std::vector<RPtr<RawExpr>> list = operands();
        if (list.size() == 2 && expr->GetArgCount() == 2) {
            if (type == RawType::And) return logical([](auto* l, auto* r) { return new GFCLib::And(l, r); });
            GFCLib::Constraint* c = logical([](auto* l, auto* r) { return new GFCLib::Or(l, r); });
            c->ExpandDomains(0);
            return c;
        }
        std::vector<GFCLib::Constraint*> translated;
        for (const auto& operand : list)
            translated.push_back(TranslateCondition(operand));
        if (type == RawType::And) return new GFCLib::NaryAnd(translated);
        // A disjunction of a list: nested two-operand disjunctions, left to right.
        if (translated.empty()) throw TranslationError("Or over an empty list: " + Name(*expr));
        GFCLib::Constraint* c = translated[0];
        if (translated.size() == 1) return c;
        for (std::size_t i = 1; i < translated.size(); ++i) {
            c = new GFCLib::Or(c, translated[i]);
            c->ExpandDomains(0);
        }
        return c;
    }
    case RawType::Implies:
        return logical([](auto* l, auto* r) { return new GFCLib::Implies(l, r); });
    case RawType::Iff:
        return logical([](auto* l, auto* r) { return new GFCLib::Iff(l, r); });
    case RawType::Xor:
        return logical([](auto* l, auto* r) { return new GFCLib::Xor(l, r); });
    case RawType::Not: {
        auto* c = new GFCLib::Not();
        c->SetConstraint(TranslateCondition(Arg(expr, 0)));
        return c;
    }
    default:
        // Dropping it would return solutions that violate the problem.
        throw TranslationError("Complete search cannot handle the constraint " + Name(*expr));
    }
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
        Variable* b = GetIntVar(Arg(node, 0));
        if (b == nullptr) throw TranslationError("Cannot translate the soft constraint " + Name(*soft));
        GFCLib::Value w = ToValue(Arg(node, 1));
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
    const RawType type = expr->GetType();
    auto binary = [&](auto* op, bool checked) {
        CPObject* b = TranslateTerm(Arg(expr, 1)); // second first
        CPObject* a = TranslateTerm(Arg(expr, 0));
        try {
            if (checked)
                op->ComputeDomainChecked(a, b);
            else
                op->ComputeDomain(a, b);
        } catch (...) {
            delete op;
            throw;
        }
        return ShareOrAdd(op);
    };
    auto listOp = [&](auto* op) {
        try {
            op->Init(GetVariableList(Arg(expr, 0)));
        } catch (...) {
            delete op;
            throw;
        }
        return ShareOrAdd(op);
    };

    switch (type) {
    case RawType::Minimum:
    case RawType::Maximum:
    case RawType::Count:
    case RawType::Sum:
    case RawType::ScalProd:
        RefuseSets(expr, 0);
        if (type == RawType::Count || type == RawType::ScalProd) RefuseSets(expr, 1);
        break;
    default:
        break;
    }

    switch (type) {
    case RawType::Minimum:
        return ShareOrAdd(new GFCLib::MinimumOp(GetVariableList(Arg(expr, 0))));
    case RawType::Maximum:
        return ShareOrAdd(new GFCLib::MaximumOp(GetVariableList(Arg(expr, 0))));
    case RawType::Cardinality: {
        GFCLib::SetVar* set = GetSetVar(Arg(expr, 0));
        if (set == nullptr) throw TranslationError("# needs a set variable: " + Name(*expr));
        auto* op = new GFCLib::CardOp();
        op->Init(set);
        return ShareOrAdd(op);
    }
    case RawType::Count: {
        std::vector<GFCLib::Value> values = GetValueList(Arg(expr, 1));
        return ShareOrAdd(new GFCLib::CountOp(GetVariableList(Arg(expr, 0)), values));
    }
    case RawType::Sum:
        return listOp(new GFCLib::SumOp());
    case RawType::ScalProd: {
        std::vector<GFCLib::Value> coefficients = GetValueList(Arg(expr, 1));
        auto* op = new GFCLib::ScalProdOp();
        try {
            op->Init(GetVariableList(Arg(expr, 0)), coefficients);
        } catch (...) {
            delete op;
            throw;
        }
        return ShareOrAdd(op);
    }
    case RawType::Plus:
        return binary(new GFCLib::PlusOp(), false);
    case RawType::Minus:
        if (expr->GetArgCount() == 1) {
            CPObject* a = TranslateTerm(Arg(expr, 0));
            CPObject* zero = OwnValue(GFCLib::Value(0));
            auto* op = new GFCLib::MinusOp();
            op->ComputeDomain(zero, a);
            return ShareOrAdd(op);
        }
        return binary(new GFCLib::MinusOp(), false);
    case RawType::Times:
        return binary(new GFCLib::TimesOp(), false);
    case RawType::Divide:
        return binary(new GFCLib::DivOp(), true);
    case RawType::Modulo:
        return binary(new GFCLib::ModOp(), true);
    case RawType::Power:
        return binary(new GFCLib::PowerOp(), true);
    case RawType::Abs: {
        CPObject* a = TranslateTerm(Arg(expr, 0));
        auto* op = new GFCLib::AbsOp();
        op->ComputeDomain(a);
        return ShareOrAdd(op);
    }
    case RawType::Union:
        return listOp(new GFCLib::UnionOp());
    case RawType::Intersection:
        return listOp(new GFCLib::IntersectOp());
    case RawType::Index: {
        GFCLib::IntVar* index = GetIntVar(Arg(expr, 0));
        if (index == nullptr) throw TranslationError("Index needs an integer position: " + Name(*expr));
        return ShareOrAdd(new GFCLib::IndexOp(index, GetValueList(Arg(expr, 1))));
    }
    default:
        throw TranslationError("Complete search cannot handle the expression " + Name(*expr));
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
