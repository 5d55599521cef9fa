#pragma once
// The output lines of tav-solve: "solution K: NAME=VALUE ... cost=VALUE soft=VALUE".

#include "language/raw/RawSolution.hpp"

#include <string>

namespace TavSolve {

// A raw value as tav-solve prints it: integers in decimal, booleans 0/1, reals with up to 10
// significant digits, strings as they are, sets as {1,2,3}.
std::string FormatValue(const TavLanguage::RawExpr& value);

// The line of solution number k, without a line break.
std::string FormatSolution(const TavLanguage::RawSolution& solution, int k);

} // namespace TavSolve
