#pragma once
// The output lines of tav-solve: "solution K: NAME=VALUE ... cost=VALUE soft=VALUE", each value
// as TavLanguage::RawValueText writes it.

#include "language/raw/RawSolution.hpp"

#include <string>

namespace TavSolve {

// The line of solution number k, without a line break.
std::string FormatSolution(const TavLanguage::RawSolution& solution, int k);

} // namespace TavSolve
