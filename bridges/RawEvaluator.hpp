#pragma once
// Checks a solution against a raw problem without any solver library: every label lies in its
// variable's domain, every hard constraint holds, and the objective and soft cost are computed
// from the raw expressions themselves. Tests and tools use it to verify what a bridge returns.
//
// Semantics: integers are 64-bit; / truncates toward zero and % keeps the dividend's sign; a
// zero divisor or an Index/Element position outside its list leaves the expression undefined,
// and a hard or soft constraint with an undefined expression anywhere in it does not hold:
// connectives evaluate all their operands (no short cut), so a disjunction whose other operand
// holds does not make an undefined one acceptable. This is complete search's reading, where an
// expression's definition restricts its arguments wherever the expression stands.
// Lists are indexed from 0. Reals compare with a small relative tolerance; values of different
// kinds (a set and a number) are unequal.

#include "bridges/RawKindVisitor.hpp"
#include "bridges/TranslationError.hpp"
#include "language/raw/RawCSP.hpp"
#include "language/raw/RawSolution.hpp"

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace TavBridges {

// What Evaluate found.
struct RawEvaluation {
    // True when every label is in its domain and every hard constraint holds.
    bool feasible = true;
    // One readable line per fault found (label missing or out of domain, constraint violated).
    std::vector<std::string> faults;
    bool hasObjective = false;
    // The objective expression's own value (not negated for maximisation).
    double objective = 0.0;
    bool hasSoftConstraints = false;
    // Sum of the weights of the soft constraints that do not hold.
    long long softCost = 0;
};

class RawEvaluator {
public:
    // A node kind or shape the evaluator does not know; what() names it. It is the bridges'
    // one translation error.
    using Unsupported = TranslationError;

    // The problem is kept by reference and must outlive the evaluator.
    explicit RawEvaluator(const TavLanguage::RawCSP& problem) : m_problem(problem) {}

    // Checks one solution. Throws Unsupported for a node kind it cannot evaluate.
    RawEvaluation Evaluate(const TavLanguage::RawSolution& solution) const;

    // Value of a variable in an evaluation: an int, a real, a string or a set of ints.
    struct Value {
        enum class Kind { Int, Real, Str, Set };
        Kind kind = Kind::Int;
        long long intValue = 0;
        double realValue = 0.0;
        std::string strValue;
        std::set<long long> setValue;
    };
    using Assignment = std::map<std::string, Value>;

    // Truth of a constraint node under an assignment of every variable it names. Throws
    // Unsupported for unknown kinds; an undefined sub-expression makes it false.
    bool Holds(const TavLanguage::RawExpr& constraint, const Assignment& assignment) const;
    // Value of an expression under an assignment; throws Unsupported, and Undefined (below)
    // for a zero divisor or a position outside its list.
    Value Eval(const TavLanguage::RawExpr& expr, const Assignment& assignment) const;

    class Undefined : public std::runtime_error {
    public:
        Undefined() : std::runtime_error("undefined expression") {}
    };

private:
    // Evaluation by raw kind; a kind without an entry is refused with TranslationError.
    using ConstraintKinds =
        RawKindVisitor<const RawEvaluator, const TavLanguage::RawExpr&, bool, const Assignment&>;
    using ExpressionKinds =
        RawKindVisitor<const RawEvaluator, const TavLanguage::RawExpr&, Value, const Assignment&>;
    static const ConstraintKinds& ConstraintTable();
    static const ExpressionKinds& ExpressionTable();

    bool Truth(const TavLanguage::RawExpr& expr, const Assignment& assignment) const;
    void Flatten(const TavLanguage::RawExpr& list, const Assignment& assignment,
                 std::vector<Value>& out) const;
    std::vector<Value> List(const TavLanguage::RawExpr& list, const Assignment& assignment) const;
    Value Variable(const TavLanguage::RawExpr& var, const Assignment& assignment) const;

    const TavLanguage::RawCSP& m_problem;
};

} // namespace TavBridges
