#pragma once
// Former names of the problem state, for callers written when these values were
// process-wide. New code reads a problem's values through GLSCSP::Values.

#include "localsearch/ModelState.hpp"

namespace GLSLib {

using ClassWideValues = ModelValues;

// The values of the problem current on this thread (the default state when none is).
ModelValues& ClassWide();

// Puts the default state's values (those of objects made while no problem is current) back
// to their starting settings. Every GLSCSP starts from them anyway.
void ResetAllClassWideValues();

} // namespace GLSLib
