#pragma once
// Small builders shared by the syntax-tree nodes when they generate raw expressions.

#include "language/raw/RawExpr.hpp"

#include <vector>

namespace TavLanguage {

class GenObj;

namespace GenRaw {

RPtr<RawExpr> Int(int value);
RPtr<RawExpr> Bool(bool value);
// True for an integer or boolean constant.
bool IsIntConst(const RPtr<RawExpr>& e);
// True when e is the constant truth value `value`.
bool IsTruth(const RPtr<RawExpr>& e, bool value);
// A generated expression as a constraint: constraints stay, a boolean variable b becomes b = 1,
// integer and boolean constants become a truth value (RawBool); anything else is code 21 at `at`.
RPtr<RawExpr> ToConstraint(const RPtr<RawExpr>& e, const GenObj& at);
// The constraint that is never satisfied (0 = 1), standing for a constant false.
RPtr<RawExpr> AlwaysFalse();
// Balanced tree of binary And over the constraints, in order; true when empty.
RPtr<RawExpr> Conjunction(std::vector<RPtr<RawExpr>> constraints);
// Logical connective over constraints or truth values, folding constants away.
RPtr<RawExpr> Logical(RawType type, const RPtr<RawExpr>& a, const RPtr<RawExpr>& b);
RPtr<RawExpr> Negation(const RPtr<RawExpr>& a);

} // namespace GenRaw

} // namespace TavLanguage
