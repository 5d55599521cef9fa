#include "bridges/RawEvaluator.hpp"

#include "bridges/RawKindVisitor.hpp"
#include "language/raw/RawCol.hpp"
#include "language/raw/RawRange.hpp"

#include <algorithm>
#include <climits>
#include <cmath>
#include <sstream>

using namespace TavLanguage;

namespace TavBridges {

namespace {

using Value = RawEvaluator::Value;
using Kind = RawEvaluator::Value::Kind;

Value IntValue(long long v) {
    Value value;
    value.kind = Kind::Int;
    value.intValue = v;
    return value;
}

Value RealValue(double v) {
    Value value;
    value.kind = Kind::Real;
    value.realValue = v;
    return value;
}

[[noreturn]] void Fail(const std::string& what) {
    throw RawEvaluator::Unsupported(what);
}

bool IsNumeric(const Value& v) {
    return v.kind == Kind::Int || v.kind == Kind::Real;
}

double AsReal(const Value& v) {
    if (v.kind == Kind::Int) return static_cast<double>(v.intValue);
    if (v.kind == Kind::Real) return v.realValue;
    Fail("a number was expected");
}

long long AsInt(const Value& v) {
    if (v.kind == Kind::Int) return v.intValue;
    Fail("an integer was expected");
}

const std::set<long long>& AsSet(const Value& v) {
    if (v.kind != Kind::Set) Fail("a set was expected");
    return v.setValue;
}

bool RealsEqual(double a, double b) {
    return std::fabs(a - b) <= 1e-6 * (1.0 + std::fabs(a) + std::fabs(b));
}

bool Equal(const Value& a, const Value& b) {
    if (a.kind == Kind::Int && b.kind == Kind::Int) return a.intValue == b.intValue;
    if (IsNumeric(a) && IsNumeric(b)) return RealsEqual(AsReal(a), AsReal(b));
    if (a.kind == Kind::Str && b.kind == Kind::Str) return a.strValue == b.strValue;
    if (a.kind == Kind::Set && b.kind == Kind::Set) return a.setValue == b.setValue;
    return false; // values of different kinds (a set and a number, ...) are unequal
}

// a < b (orEqual: a <= b); numbers, or strings in lexicographic order.
bool Less(const Value& a, const Value& b, bool orEqual) {
    if (a.kind == Kind::Int && b.kind == Kind::Int)
        return orEqual ? a.intValue <= b.intValue : a.intValue < b.intValue;
    if (IsNumeric(a) && IsNumeric(b)) {
        const double x = AsReal(a);
        const double y = AsReal(b);
        if (RealsEqual(x, y)) return orEqual;
        return x < y;
    }
    if (a.kind == Kind::Str && b.kind == Kind::Str)
        return orEqual ? a.strValue <= b.strValue : a.strValue < b.strValue;
    Fail("ordering of values that are not numbers");
}

long long Add(long long a, long long b) {
    long long r;
    if (__builtin_add_overflow(a, b, &r)) Fail("integer overflow");
    return r;
}

long long Sub(long long a, long long b) {
    long long r;
    if (__builtin_sub_overflow(a, b, &r)) Fail("integer overflow");
    return r;
}

long long Mul(long long a, long long b) {
    long long r;
    if (__builtin_mul_overflow(a, b, &r)) Fail("integer overflow");
    return r;
}

long long IntPower(long long base, long long exponent) {
    if (exponent < 0) {
        // As a truncated real power: only 1 and -1 have a non-zero integer part.
        if (base == 1) return 1;
        if (base == -1) return (exponent % 2 == 0) ? 1 : -1;
        return 0;
    }
    long long result = 1;
    for (long long i = 0; i < exponent; ++i) {
        result = Mul(result, base);
        if (result == 0 || result == 1) break;
    }
    return result;
}

std::string Text(const RawExpr& expr) {
    return expr.ToString();
}

std::string ValueText(const Value& v) {
    std::ostringstream out;
    switch (v.kind) {
    case Kind::Int:
        out << v.intValue;
        break;
    case Kind::Real:
        out << v.realValue;
        break;
    case Kind::Str:
        out << '"' << v.strValue << '"';
        break;
    case Kind::Set: {
        out << '{';
        bool first = true;
        for (long long e : v.setValue) {
            out << (first ? "" : ",") << e;
            first = false;
        }
        out << '}';
        break;
    }
    }
    return out.str();
}

// A label's raw value as an evaluator value.
Value FromRaw(const RawExpr& raw) {
    switch (raw.GetType()) {
    case RawType::IntVal:
    case RawType::BoolVal:
        return IntValue(raw.GetInt());
    case RawType::FltVal:
        return RealValue(raw.GetFlt());
    case RawType::StrVal: {
        Value value;
        value.kind = Kind::Str;
        value.strValue = raw.GetStr();
        return value;
    }
    case RawType::SetVal: {
        Value value;
        value.kind = Kind::Set;
        for (int i = 0; i < raw.GetSize(); ++i) {
            RPtr<RawExpr> element = raw.GetElement(i);
            if (!element || !element->IsInt()) Fail("a set value holding a non-integer");
            if (!value.setValue.insert(element->GetInt()).second)
                Fail("a set value holding an element twice");
        }
        return value;
    }
    default:
        Fail("value kind " + RawTypeName(raw.GetType()));
    }
}

// Whether an integer or string lies among a domain's values.
bool DomainHolds(const RawCol& values, const Value& v) {
    if (values.GetType() == RawType::Range) {
        const auto& range = static_cast<const RawRange&>(values);
        return v.kind == Kind::Int && v.intValue >= range.GetLow() && v.intValue <= range.GetHigh();
    }
    for (int i = 0; i < values.GetSize(); ++i) {
        RPtr<RawExpr> element = values.GetElement(i);
        if (v.kind == Kind::Int && element->IsInt() && element->GetInt() == v.intValue) return true;
        if (v.kind == Kind::Str && element->IsStr() && element->GetStr() == v.strValue) return true;
    }
    return false;
}

} // namespace

Value RawEvaluator::Variable(const RawExpr& var, const Assignment& assignment) const {
    auto found = assignment.find(var.GetName());
    if (found == assignment.end()) Fail("no value for variable " + var.GetName());
    return found->second;
}

void RawEvaluator::Flatten(const RawExpr& list, const Assignment& assignment, std::vector<Value>& out) const {
    if (list.GetType() != RawType::Array && list.GetType() != RawType::Set &&
        list.GetType() != RawType::Range)
        Fail("a list was expected, not " + Text(list));
    out.reserve(out.size() + static_cast<std::size_t>(list.GetSize()));
    for (int i = 0; i < list.GetSize(); ++i) {
        RPtr<RawExpr> element = list.GetElement(i);
        if (element->GetType() == RawType::Array)
            Flatten(*element, assignment, out);
        else
            out.push_back(Eval(*element, assignment));
    }
}

std::vector<Value> RawEvaluator::List(const RawExpr& list, const Assignment& assignment) const {
    std::vector<Value> values;
    Flatten(list, assignment, values);
    return values;
}

bool RawEvaluator::Holds(const RawExpr& constraint, const Assignment& assignment) const {
    try {
        return Truth(constraint, assignment);
    } catch (const Undefined&) {
        return false;
    }
}

bool RawEvaluator::Truth(const RawExpr& expr, const Assignment& assignment) const {
    if (!IsConstraintCode(expr.GetType())) {
        // A value used as a condition (a boolean variable, a reified comparison's sum, ...).
        if (expr.GetType() == RawType::SoftConstraint) Fail("a soft constraint inside a constraint");
        return AsReal(Eval(expr, assignment)) != 0.0;
    }
    return ConstraintTable().Visit(*this, expr, assignment);
}

namespace {

using Self = const RawEvaluator;
using N = const RawExpr&;
using A = const RawEvaluator::Assignment&;

// The operands of And and Or: their arguments, with list arguments opened, in order.
std::vector<RPtr<RawExpr>> Operands(const RawExpr& expr) {
    std::vector<RPtr<RawExpr>> result;
    std::vector<RPtr<RawExpr>> pending;
    for (int i = expr.GetArgCount() - 1; i >= 0; --i)
        pending.push_back(RawArg(expr, i));
    while (!pending.empty()) {
        RPtr<RawExpr> next = std::move(pending.back());
        pending.pop_back();
        if (next->GetType() == RawType::Array) {
            for (int i = next->GetSize() - 1; i >= 0; --i)
                pending.push_back(next->GetElement(i));
        } else {
            result.push_back(std::move(next));
        }
    }
    return result;
}

} // namespace

const RawEvaluator::ConstraintKinds& RawEvaluator::ConstraintTable() {
    auto member = [](Self& e, N expr, A a) {
        const long long element = AsInt(e.Eval(*RawArg(expr, 0), a));
        const bool in = AsSet(e.Eval(*RawArg(expr, 1), a)).count(element) > 0;
        return expr.GetType() == RawType::Member ? in : !in;
    };
    auto subset = [](Self& e, N expr, A a) {
        const Value va = e.Eval(*RawArg(expr, 0), a);
        const Value vb = e.Eval(*RawArg(expr, 1), a);
        const auto& sa = AsSet(va);
        const auto& sb = AsSet(vb);
        if (!std::includes(sb.begin(), sb.end(), sa.begin(), sa.end())) return false;
        return expr.GetType() == RawType::Subset || sa.size() < sb.size();
    };
    static const ConstraintKinds table(
        "The evaluator", "constraint",
        {
            {RawType::AllDifferent,
             [](Self& e, N expr, A a) {
                 const std::vector<Value> values = e.List(*RawArg(expr, 0), a);
                 for (std::size_t i = 0; i < values.size(); ++i)
                     for (std::size_t j = i + 1; j < values.size(); ++j)
                         if (Equal(values[i], values[j])) return false;
                 return true;
             }},
            {RawType::Sequence,
             [](Self& e, N expr, A a) {
                 // Each value may occur at most as often as in the value list.
                 const std::vector<Value> values = e.List(*RawArg(expr, 0), a);
                 const std::vector<Value> allowed = e.List(*RawArg(expr, 1), a);
                 std::map<long long, long long> budget;
                 for (const Value& v : allowed)
                     ++budget[AsInt(v)];
                 for (const Value& v : values)
                     if (--budget[AsInt(v)] < 0) return false;
                 return true;
             }},
            {RawType::Circuit,
             [](Self& e, N expr, A a) {
                 // Successor form: element i names the position that follows i; one cycle through all.
                 const std::vector<Value> next = e.List(*RawArg(expr, 0), a);
                 const long long n = static_cast<long long>(next.size());
                 std::vector<bool> seen(next.size(), false);
                 long long at = 0;
                 for (long long step = 0; step < n; ++step) {
                     if (seen[static_cast<std::size_t>(at)]) return false;
                     seen[static_cast<std::size_t>(at)] = true;
                     const long long successor = AsInt(next[static_cast<std::size_t>(at)]);
                     if (successor < 0 || successor >= n) return false;
                     at = successor;
                 }
                 return at == 0;
             }},
            {RawType::Element,
             [](Self& e, N expr, A a) {
                 const long long index = AsInt(e.Eval(*RawArg(expr, 0), a));
                 const std::vector<Value> values = e.List(*RawArg(expr, 1), a);
                 const Value v = e.Eval(*RawArg(expr, 2), a);
                 if (index < 0 || index >= static_cast<long long>(values.size())) return false;
                 return Equal(values[static_cast<std::size_t>(index)], v);
             }},
            {{RawType::Member, RawType::NotMember}, member},
            {RawType::AllDisjoint,
             [](Self& e, N expr, A a) {
                 std::set<long long> seen;
                 for (const Value& v : e.List(*RawArg(expr, 0), a))
                     for (long long element : AsSet(v))
                         if (!seen.insert(element).second) return false;
                 return true;
             }},
            {{RawType::Subset, RawType::StrictSubset}, subset},
            {RawType::Equal,
             [](Self& e, N expr, A a) {
                 return Equal(e.Eval(*RawArg(expr, 0), a), e.Eval(*RawArg(expr, 1), a));
             }},
            {RawType::NotEqual,
             [](Self& e, N expr, A a) {
                 return !Equal(e.Eval(*RawArg(expr, 0), a), e.Eval(*RawArg(expr, 1), a));
             }},
            {RawType::Greater,
             [](Self& e, N expr, A a) {
                 const Value x = e.Eval(*RawArg(expr, 0), a);
                 return Less(e.Eval(*RawArg(expr, 1), a), x, false);
             }},
            {RawType::GreaterEqual,
             [](Self& e, N expr, A a) {
                 const Value x = e.Eval(*RawArg(expr, 0), a);
                 return Less(e.Eval(*RawArg(expr, 1), a), x, true);
             }},
            {RawType::Less,
             [](Self& e, N expr, A a) {
                 const Value x = e.Eval(*RawArg(expr, 0), a);
                 return Less(x, e.Eval(*RawArg(expr, 1), a), false);
             }},
            {RawType::LessEqual,
             [](Self& e, N expr, A a) {
                 const Value x = e.Eval(*RawArg(expr, 0), a);
                 return Less(x, e.Eval(*RawArg(expr, 1), a), true);
             }},
            // Every operand is evaluated, so that an undefined one is met whatever the others give.
            {RawType::And,
             [](Self& e, N expr, A a) {
                 bool all = true;
                 for (const auto& operand : Operands(expr))
                     all = e.Truth(*operand, a) && all;
                 return all;
             }},
            {RawType::Or,
             [](Self& e, N expr, A a) {
                 bool any = false;
                 for (const auto& operand : Operands(expr))
                     any = e.Truth(*operand, a) || any;
                 return any;
             }},
            {RawType::Implies,
             [](Self& e, N expr, A a) {
                 const bool premise = e.Truth(*RawArg(expr, 0), a);
                 const bool conclusion = e.Truth(*RawArg(expr, 1), a);
                 return !premise || conclusion;
             }},
            {RawType::Iff, [](Self& e, N expr,
                              A a) { return e.Truth(*RawArg(expr, 0), a) == e.Truth(*RawArg(expr, 1), a); }},
            {RawType::Xor, [](Self& e, N expr,
                              A a) { return e.Truth(*RawArg(expr, 0), a) != e.Truth(*RawArg(expr, 1), a); }},
            {RawType::Not, [](Self& e, N expr, A a) { return !e.Truth(*RawArg(expr, 0), a); }},
        });
    return table;
}

Value RawEvaluator::Eval(const RawExpr& expr, const Assignment& assignment) const {
    if (IsConstraintCode(expr.GetType())) return IntValue(Truth(expr, assignment) ? 1 : 0);
    return ExpressionTable().Visit(*this, expr, assignment);
}

namespace {

Value MinOrMax(const std::vector<Value>& values, bool isMin) {
    bool real = false;
    for (const Value& v : values)
        real = real || v.kind == Kind::Real;
    if (real) {
        double best = isMin ? HUGE_VAL : -HUGE_VAL;
        for (const Value& v : values)
            best = isMin ? std::min(best, AsReal(v)) : std::max(best, AsReal(v));
        return RealValue(best);
    }
    // An empty list gives the libraries' start values.
    long long best = isMin ? INT_MAX : INT_MIN;
    for (const Value& v : values)
        best = isMin ? std::min(best, AsInt(v)) : std::max(best, AsInt(v));
    return IntValue(best);
}

// a op b for + - * / % Power; reals when either is real.
Value Arithmetic(RawType type, const Value& a, const Value& b) {
    if (a.kind == Kind::Real || b.kind == Kind::Real) {
        const double x = AsReal(a);
        const double y = AsReal(b);
        switch (type) {
        case RawType::Plus:
            return RealValue(x + y);
        case RawType::Minus:
            return RealValue(x - y);
        case RawType::Times:
            return RealValue(x * y);
        case RawType::Divide:
            if (y == 0.0) throw RawEvaluator::Undefined();
            return RealValue(x / y);
        case RawType::Power:
            return RealValue(std::pow(x, y));
        default:
            Fail("% of reals");
        }
    }
    const long long x = AsInt(a);
    const long long y = AsInt(b);
    switch (type) {
    case RawType::Plus:
        return IntValue(Add(x, y));
    case RawType::Minus:
        return IntValue(Sub(x, y));
    case RawType::Times:
        return IntValue(Mul(x, y));
    case RawType::Divide:
        if (y == 0) throw RawEvaluator::Undefined();
        if (x == LLONG_MIN && y == -1) Fail("integer overflow");
        return IntValue(x / y);
    case RawType::Modulo:
        if (y == 0) throw RawEvaluator::Undefined();
        if (y == -1) return IntValue(0);
        return IntValue(x % y);
    default:
        return IntValue(IntPower(x, y));
    }
}

} // namespace

const RawEvaluator::ExpressionKinds& RawEvaluator::ExpressionTable() {
    auto variable = [](Self& e, N expr, A a) { return e.Variable(expr, a); };
    auto constant = [](Self&, N expr, A) { return FromRaw(expr); };
    auto minOrMax = [](Self& e, N expr, A a) {
        return MinOrMax(e.List(*RawArg(expr, 0), a), expr.GetType() == RawType::Minimum);
    };
    auto sum = [](Self& e, N expr, A a) {
        const std::vector<Value> values = e.List(*RawArg(expr, 0), a);
        std::vector<Value> coefficients;
        if (expr.GetType() == RawType::ScalProd) {
            coefficients = e.List(*RawArg(expr, 1), a);
            if (coefficients.size() < values.size()) Fail("ScalProd with fewer coefficients than terms");
        }
        bool real = false;
        for (const Value& v : values)
            real = real || v.kind == Kind::Real;
        for (const Value& c : coefficients)
            real = real || c.kind == Kind::Real;
        if (real) {
            double total = 0.0;
            for (std::size_t i = 0; i < values.size(); ++i)
                total += AsReal(values[i]) * (coefficients.empty() ? 1.0 : AsReal(coefficients[i]));
            return RealValue(total);
        }
        long long total = 0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            long long term = AsInt(values[i]);
            if (!coefficients.empty()) term = Mul(term, AsInt(coefficients[i]));
            total = Add(total, term);
        }
        return IntValue(total);
    };
    auto arithmetic = [](Self& e, N expr, A a) {
        const Value x = e.Eval(*RawArg(expr, 0), a);
        return Arithmetic(expr.GetType(), x, e.Eval(*RawArg(expr, 1), a));
    };
    auto setOp = [](Self& e, N expr, A a) {
        const std::vector<Value> sets = e.List(*RawArg(expr, 0), a);
        Value result;
        result.kind = Kind::Set;
        for (std::size_t i = 0; i < sets.size(); ++i) {
            const auto& s = AsSet(sets[i]);
            if (expr.GetType() == RawType::Union || i == 0) {
                result.setValue.insert(s.begin(), s.end());
            } else {
                std::set<long long> kept;
                std::set_intersection(result.setValue.begin(), result.setValue.end(), s.begin(), s.end(),
                                      std::inserter(kept, kept.end()));
                result.setValue = std::move(kept);
            }
        }
        return result;
    };
    static const ExpressionKinds table(
        "The evaluator", "expression",
        {
            {{RawType::BoolVar, RawType::IntVar, RawType::FltVar, RawType::SetVar, RawType::StrVar},
             variable},
            {{RawType::BoolVal, RawType::IntVal, RawType::FltVal, RawType::StrVal, RawType::SetVal},
             constant},
            {{RawType::Minimum, RawType::Maximum}, minOrMax},
            {RawType::Cardinality,
             [](Self& e, N expr, A a) {
                 return IntValue(static_cast<long long>(AsSet(e.Eval(*RawArg(expr, 0), a)).size()));
             }},
            {RawType::Count,
             [](Self& e, N expr, A a) {
                 const std::vector<Value> values = e.List(*RawArg(expr, 0), a);
                 const std::vector<Value> counted = e.List(*RawArg(expr, 1), a);
                 long long count = 0;
                 for (const Value& v : values)
                     if (std::any_of(counted.begin(), counted.end(),
                                     [&](const Value& c) { return Equal(v, c); }))
                         ++count;
                 return IntValue(count);
             }},
            {{RawType::Sum, RawType::ScalProd}, sum},
            {RawType::Plus, arithmetic},
            {RawType::Minus,
             [](Self& e, N expr, A a) {
                 if (expr.GetArgCount() == 2) {
                     const Value x = e.Eval(*RawArg(expr, 0), a);
                     return Arithmetic(RawType::Minus, x, e.Eval(*RawArg(expr, 1), a));
                 }
                 const Value x = e.Eval(*RawArg(expr, 0), a);
                 if (x.kind == Kind::Real) return RealValue(-x.realValue);
                 return IntValue(Sub(0, AsInt(x)));
             }},
            {{RawType::Times, RawType::Divide, RawType::Modulo, RawType::Power}, arithmetic},
            {RawType::Abs,
             [](Self& e, N expr, A a) {
                 const Value x = e.Eval(*RawArg(expr, 0), a);
                 if (x.kind == Kind::Real) return RealValue(std::fabs(x.realValue));
                 if (AsInt(x) == LLONG_MIN) Fail("integer overflow");
                 return IntValue(x.intValue < 0 ? -x.intValue : x.intValue);
             }},
            {{RawType::Union, RawType::Intersection}, setOp},
            {RawType::Index,
             [](Self& e, N expr, A a) {
                 const long long index = AsInt(e.Eval(*RawArg(expr, 0), a));
                 const std::vector<Value> values = e.List(*RawArg(expr, 1), a);
                 if (index < 0 || index >= static_cast<long long>(values.size())) throw Undefined();
                 return values[static_cast<std::size_t>(index)];
             }},
        });
    return table;
}

RawEvaluation RawEvaluator::Evaluate(const RawSolution& solution) const {
    RawEvaluation result;
    auto fault = [&](const std::string& text) {
        result.feasible = false;
        result.faults.push_back(text);
    };

    Assignment assignment;
    for (const RawLabel& label : solution.GetLabels()) {
        if (!label.GetValue()) {
            fault("label " + label.GetName() + " has no value");
            continue;
        }
        if (!assignment.emplace(label.GetName(), FromRaw(*label.GetValue())).second)
            fault("label " + label.GetName() + " appears twice");
    }

    std::set<std::string> known;
    auto checkVariable = [&](const RawVar& var) {
        const std::string name = var.GetName();
        known.insert(name);
        auto found = assignment.find(name);
        if (found == assignment.end()) {
            fault("no value for variable " + name);
            return;
        }
        Value& v = found->second;
        RPtr<RawDom> domain = var.GetDomain();
        if (!domain && !var.GetDomainName().empty()) domain = m_problem.FindDomain(var.GetDomainName());
        switch (var.GetType()) {
        case RawType::BoolVar:
            if (v.kind != Kind::Int || (v.intValue != 0 && v.intValue != 1))
                fault("boolean " + name + " = " + ValueText(v));
            return;
        case RawType::IntVar:
        case RawType::StrVar:
            if ((var.GetType() == RawType::IntVar) != (v.kind == Kind::Int) ||
                (var.GetType() == RawType::StrVar && v.kind != Kind::Str)) {
                fault("variable " + name + " has a value of the wrong kind: " + ValueText(v));
            } else if (!domain) {
                fault("variable " + name + " has no domain");
            } else if (!DomainHolds(*domain->GetValues(), v)) {
                fault("variable " + name + " = " + ValueText(v) + " is outside its domain");
            }
            return;
        case RawType::SetVar:
            if (v.kind != Kind::Set) {
                fault("set variable " + name + " has a value of the wrong kind: " + ValueText(v));
            } else if (!domain) {
                fault("variable " + name + " has no domain");
            } else {
                for (long long e : v.setValue)
                    if (!DomainHolds(*domain->GetValues(), IntValue(e)))
                        fault("set variable " + name + " holds " + std::to_string(e) +
                              ", outside its domain");
            }
            return;
        case RawType::FltVar:
            if (!IsNumeric(v))
                fault("real variable " + name + " has a value of the wrong kind: " + ValueText(v));
            else
                v = RealValue(AsReal(v));
            return;
        default:
            fault("variable " + name + " of unknown kind");
        }
    };
    for (const auto& var : m_problem.GetVariables())
        checkVariable(*var);
    for (const auto& var : m_problem.GetRealVariables())
        checkVariable(*var);
    for (const auto& entry : assignment)
        if (known.count(entry.first) == 0) fault("label " + entry.first + " names no variable");
    if (!result.feasible) return result; // constraints over missing or ill-typed values mean nothing

    for (const auto* list : {&m_problem.GetConstraints(), &m_problem.GetRealConstraints()})
        for (const auto& constraint : *list)
            if (!Holds(*constraint, assignment)) fault("violated: " + Text(*constraint));

    const RPtr<RawOpt>& objective =
        m_problem.GetObjective() ? m_problem.GetObjective() : m_problem.GetRealObjective();
    if (objective) {
        result.hasObjective = true;
        try {
            result.objective = AsReal(Eval(*objective->GetExpression(), assignment));
        } catch (const Undefined&) {
            fault("objective undefined");
        }
    }

    result.hasSoftConstraints = m_problem.HasSoftConstraints();
    for (const auto& soft : m_problem.GetSoftConstraints()) {
        if (Holds(*soft->GetConstraint(), assignment)) continue;
        RPtr<RawExpr> weight = soft->GetArg(1);
        result.softCost += weight->IsInt() ? weight->GetInt() : static_cast<long long>(weight->GetFlt());
    }
    return result;
}

} // namespace TavBridges
