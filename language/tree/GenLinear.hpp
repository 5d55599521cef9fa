#pragma once
// The linearity test of problems with real variables: an expression may only add, subtract and
// negate real variables, numbers and products of a number with such an expression. Anything
// else is code 30 (not linear); an integer, boolean, set or string variable is code 31.

namespace TavLanguage {

class GenObj;
class ParseContext;

namespace GenLinear {
// Checks `expr` (iteratively); throws ParserErr at `at` with the operator token `op`.
void CheckLinear(GenObj& expr, ParseContext& ctx, const GenObj& at, int op);
} // namespace GenLinear

} // namespace TavLanguage
