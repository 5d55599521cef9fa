#pragma once
// Kind codes of the raw problem model. The numbers are fixed: the solver bridges, the problem
// description writer and the syntax tree's type kinds (44 to 59) all use them.

#include <string>

namespace TavLanguage {

enum class RawType : int {
    AllDifferent = 0,
    Sequence = 1,
    Circuit = 2,
    Element = 3,
    Member = 4,
    NotMember = 5,
    AllDisjoint = 6,
    Subset = 7,
    StrictSubset = 8,
    Equal = 9,         // =
    Greater = 10,      // >
    GreaterEqual = 11, // >=
    Less = 12,         // <
    LessEqual = 13,    // <=
    NotEqual = 14,     // <>
    And = 15,
    Or = 16,
    Implies = 17,
    Iff = 18,
    Xor = 19,
    Not = 20,
    Unused21 = 21,
    Minimum = 22,
    Maximum = 23,
    IntDom = 24,
    BoolDom = 25,
    SetDom = 26,
    FltDom = 27,
    StrDom = 28,
    Cardinality = 29, // #
    Count = 30,
    Sum = 31,
    ScalProd = 32,
    Plus = 33,
    Minus = 34,
    Times = 35,
    Divide = 36,
    Modulo = 37,
    Abs = 38,
    Power = 39,
    Union = 40,
    Intersection = 41,
    Index = 42,
    Unused43 = 43,
    Constraint = 44,
    SoftConstraint = 45,
    Array = 46,
    Set = 47,
    Range = 48,
    Tuple = 49,
    BoolVar = 50,
    BoolVal = 51,
    IntVar = 52,
    IntVal = 53,
    FltVar = 54,
    FltVal = 55,
    SetVar = 56,
    SetVal = 57,
    StrVar = 58,
    StrVal = 59,
    Minimise = 64,
    Maximise = 65,
    Untyped = 66,
};

// The number of a kind code.
constexpr int ToCode(RawType type) {
    return static_cast<int>(type);
}

// Readable name of a kind code ("AllDifferent", "=", "IntVar", ...); its number for unknown codes.
std::string RawTypeName(RawType type);

// True for the constraint codes 0 to 20.
constexpr bool IsConstraintCode(RawType type) {
    return ToCode(type) >= 0 && ToCode(type) <= 20;
}

} // namespace TavLanguage
