#pragma once
// The one table of the raw kinds: for every kind code its readable name, its family, how many
// arguments a node of the kind has and the sort of each argument. Translators dispatch over
// this table (RawKindVisitor) instead of keeping switches of their own; tests walk it to build
// one node of every kind.
// Invariant: the table lists every RawType value once, in ascending code order (checked at
// compile time below).

#include "language/raw/RawType.hpp"

#include <array>
#include <cstddef>

namespace TavLanguage {

// What a node of a kind is.
enum class RawFamily : unsigned char {
    Constraint,     // hard constraints, codes 0 to 20
    Operator,       // integer and set expressions over arguments (RawOp)
    Domain,         // named domains (RawDom)
    Collection,     // arrays, set values' shape, ranges, tuples
    Variable,       // decision variables (RawVar)
    Value,          // constants
    SoftConstraint, // a relaxed constraint with its weight
    Objective,      // Minimise or Maximise over one expression
    Marker,         // codes that name no node of their own (unused codes, type tags)
};

// The sort of one argument position.
enum class RawSort : unsigned char {
    None,     // no argument at this position
    Int,      // an integer expression (value, variable or operator)
    Set,      // a set expression (set variable, set value, Union, Intersection)
    Scalar,   // an integer, string or set term, compared as a whole (=, <>)
    Cond,     // a constraint, or an integer expression true when not 0
    IntList,  // an array of integer expressions
    SetList,  // an array of set expressions
    CondList, // an array of conditions (And and Or over one list argument)
    Values,   // an array of integer constants
    IntConst, // one integer constant
};

// Largest argument count of a kind without a fixed upper bound (And, Or over their arguments).
inline constexpr int kRawAnyArgs = 1 << 30;

struct RawKind {
    RawType type;
    const char* name;
    RawFamily family;
    int minArgs;
    int maxArgs;
    // Sorts of the first three argument positions; every further argument has the sort of
    // the last position given (the conditions of an And over many arguments).
    std::array<RawSort, 3> sorts;
};

namespace RawKindsDetail {
using enum RawFamily;
using enum RawSort;
constexpr std::array<RawSort, 3> Sorts(RawSort a = None, RawSort b = None, RawSort c = None) {
    return {a, b, c};
}
constexpr RawKind kTable[] = {
    // clang-format off
    {RawType::AllDifferent,   "AllDifferent",   Constraint, 1, 1, Sorts(IntList)},
    {RawType::Sequence,       "Sequence",       Constraint, 2, 2, Sorts(IntList, Values)},
    {RawType::Circuit,        "Circuit",        Constraint, 1, 1, Sorts(IntList)},
    {RawType::Element,        "Element",        Constraint, 3, 3, Sorts(Int, Values, Int)},
    {RawType::Member,         "Member",         Constraint, 2, 2, Sorts(Int, Set)},
    {RawType::NotMember,      "NotMember",      Constraint, 2, 2, Sorts(Int, Set)},
    {RawType::AllDisjoint,    "AllDisjoint",    Constraint, 1, 1, Sorts(SetList)},
    {RawType::Subset,         "Subset",         Constraint, 2, 2, Sorts(Set, Set)},
    {RawType::StrictSubset,   "StrictSubset",   Constraint, 2, 2, Sorts(Set, Set)},
    {RawType::Equal,          "=",              Constraint, 2, 2, Sorts(Scalar, Scalar)},
    {RawType::Greater,        ">",              Constraint, 2, 2, Sorts(Int, Int)},
    {RawType::GreaterEqual,   ">=",             Constraint, 2, 2, Sorts(Int, Int)},
    {RawType::Less,           "<",              Constraint, 2, 2, Sorts(Int, Int)},
    {RawType::LessEqual,      "<=",             Constraint, 2, 2, Sorts(Int, Int)},
    {RawType::NotEqual,       "<>",             Constraint, 2, 2, Sorts(Scalar, Scalar)},
    // And and Or take either their operands as arguments or one list of them.
    {RawType::And,            "And",            Constraint, 1, kRawAnyArgs, Sorts(Cond, Cond)},
    {RawType::Or,             "Or",             Constraint, 1, kRawAnyArgs, Sorts(Cond, Cond)},
    {RawType::Implies,        "Implies",        Constraint, 2, 2, Sorts(Cond, Cond)},
    {RawType::Iff,            "Iff",            Constraint, 2, 2, Sorts(Cond, Cond)},
    {RawType::Xor,            "Xor",            Constraint, 2, 2, Sorts(Cond, Cond)},
    {RawType::Not,            "Not",            Constraint, 1, 1, Sorts(Cond)},
    {RawType::Unused21,       "21",             Marker,     0, 0, Sorts()},
    {RawType::Minimum,        "Minimum",        Operator,   1, 1, Sorts(IntList)},
    {RawType::Maximum,        "Maximum",        Operator,   1, 1, Sorts(IntList)},
    {RawType::IntDom,         "IntDom",         Domain,     0, 0, Sorts()},
    {RawType::BoolDom,        "BoolDom",        Domain,     0, 0, Sorts()},
    {RawType::SetDom,         "SetDom",         Domain,     0, 0, Sorts()},
    {RawType::FltDom,         "FltDom",         Domain,     0, 0, Sorts()},
    {RawType::StrDom,         "StrDom",         Domain,     0, 0, Sorts()},
    {RawType::Cardinality,    "#",              Operator,   1, 1, Sorts(Set)},
    {RawType::Count,          "Count",          Operator,   2, 2, Sorts(IntList, Values)},
    {RawType::Sum,            "Sum",            Operator,   1, 1, Sorts(IntList)},
    {RawType::ScalProd,       "ScalProd",       Operator,   2, 2, Sorts(IntList, Values)},
    {RawType::Plus,           "+",              Operator,   2, 2, Sorts(Int, Int)},
    // Minus with one argument is the negation.
    {RawType::Minus,          "-",              Operator,   1, 2, Sorts(Int, Int)},
    {RawType::Times,          "*",              Operator,   2, 2, Sorts(Int, Int)},
    {RawType::Divide,         "/",              Operator,   2, 2, Sorts(Int, Int)},
    {RawType::Modulo,         "%",              Operator,   2, 2, Sorts(Int, Int)},
    {RawType::Abs,            "Abs",            Operator,   1, 1, Sorts(Int)},
    {RawType::Power,          "Power",          Operator,   2, 2, Sorts(Int, IntConst)},
    {RawType::Union,          "Union",          Operator,   1, 1, Sorts(SetList)},
    {RawType::Intersection,   "Intersection",   Operator,   1, 1, Sorts(SetList)},
    {RawType::Index,          "Index",          Operator,   2, 2, Sorts(Int, Values)},
    {RawType::Unused43,       "43",             Marker,     0, 0, Sorts()},
    {RawType::Constraint,     "Constraint",     Marker,     0, 0, Sorts()},
    {RawType::SoftConstraint, "SoftConstraint", SoftConstraint, 2, 2, Sorts(Cond, IntConst)},
    {RawType::Array,          "Array",          Collection, 0, 0, Sorts()},
    {RawType::Set,            "Set",            Collection, 0, 0, Sorts()},
    {RawType::Range,          "Range",          Collection, 0, 0, Sorts()},
    {RawType::Tuple,          "Tuple",          Collection, 0, 0, Sorts()},
    {RawType::BoolVar,        "BoolVar",        Variable,   0, 0, Sorts()},
    {RawType::BoolVal,        "BoolVal",        Value,      0, 0, Sorts()},
    {RawType::IntVar,         "IntVar",         Variable,   0, 0, Sorts()},
    {RawType::IntVal,         "IntVal",         Value,      0, 0, Sorts()},
    {RawType::FltVar,         "FltVar",         Variable,   0, 0, Sorts()},
    {RawType::FltVal,         "FltVal",         Value,      0, 0, Sorts()},
    {RawType::SetVar,         "SetVar",         Variable,   0, 0, Sorts()},
    {RawType::SetVal,         "SetVal",         Value,      0, 0, Sorts()},
    {RawType::StrVar,         "StrVar",         Variable,   0, 0, Sorts()},
    {RawType::StrVal,         "StrVal",         Value,      0, 0, Sorts()},
    {RawType::Minimise,       "Minimise",       Objective,  1, 1, Sorts(Int)},
    {RawType::Maximise,       "Maximise",       Objective,  1, 1, Sorts(Int)},
    {RawType::Untyped,        "Untyped",        Marker,     0, 0, Sorts()},
    // clang-format on
};

} // namespace RawKindsDetail

// The table, by ascending kind code.
inline constexpr const auto& kRawKinds = RawKindsDetail::kTable;

// One more than the largest kind code: the size of a table indexed by code.
inline constexpr int kRawCodeLimit = ToCode(RawType::Untyped) + 1;

// The table's entry of a kind; null for a number that is no kind.
constexpr const RawKind* FindRawKind(RawType type) {
    for (const RawKind& kind : kRawKinds)
        if (kind.type == type) return &kind;
    return nullptr;
}

// The sort of argument `index` of a kind (the last listed sort repeats).
constexpr RawSort ArgSort(const RawKind& kind, int index) {
    RawSort sort = RawSort::None;
    for (int i = 0; i < 3 && i <= index; ++i)
        if (kind.sorts[static_cast<std::size_t>(i)] != RawSort::None)
            sort = kind.sorts[static_cast<std::size_t>(i)];
    return index < kind.maxArgs ? sort : RawSort::None;
}

namespace RawKindsDetail {
// Codes that RawType leaves out: 60 to 63 exist only in the syntax tree.
constexpr bool IsGap(int code) {
    return code >= 60 && code <= 63;
}
constexpr bool TableIsComplete() {
    int previous = -1;
    for (const RawKind& kind : kRawKinds) {
        int code = ToCode(kind.type);
        // Ascending, no gap except the syntax tree's own codes.
        for (int skipped = previous + 1; skipped < code; ++skipped)
            if (!IsGap(skipped)) return false;
        if (code <= previous || IsGap(code)) return false;
        if (kind.minArgs > kind.maxArgs) return false;
        if ((kind.family == RawFamily::Constraint) != IsConstraintCode(kind.type)) return false;
        previous = code;
    }
    return previous == kRawCodeLimit - 1;
}
static_assert(TableIsComplete(), "kRawKinds must list every RawType once, in code order");
} // namespace RawKindsDetail

} // namespace TavLanguage
