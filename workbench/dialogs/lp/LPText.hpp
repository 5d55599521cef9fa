#pragma once
// The texts the linear-programming wizards write: the constraint and objective lines shown in
// the wizard, the same lines in the modelling language, and the numbers in them. Variables are
// always x[0] .. x[n-1].

#include "workbench/dialogs/lp/CConDetails.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

// A number typed by the user as the modelling language reads it: blanks around it and a
// leading "+" go, a mantissa gets the digits the language wants around its point ("5" stays
// "5", ".5" becomes "0.5", "1e-05" becomes "1.0e-05"); the exponent keeps its sign. A text that
// is not a number is returned as typed (without the blanks), for the parser to judge.
std::string LanguageNumber(const std::string& typed);

// One term per coefficient: leading minus signs make the term negative (they are dropped, the
// "-" goes before the term); any other character, an exponent's sign too, stays.
// Shown: "3x[0] - 2x[1] + 1.5x[2] ". Model: "3*x[0] - 2*x[1] + 1.5*x[2] ".
std::string DisplayTerms(const std::vector<std::string>& coefficients);
std::string ModelTerms(const std::vector<std::string>& coefficients);

// "3x[0] - 2x[1]  <= 10".
std::string ConstraintDisplayText(const CConDetails& constraint);
// "3*x[0] - 2*x[1]  <= 10;".
std::string ConstraintModelText(const CConDetails& constraint);

// Direction 0 maximises, any other value minimises. "Maximise(4x[0] - 1x[1] )".
std::string ObjectiveDisplayText(const std::vector<std::string>& coefficients, int direction);
// "Maximise(4*x[0] - 1*x[1] );".
std::string ObjectiveModelText(const std::vector<std::string>& coefficients, int direction);

// A grid cell the wizards accept as a number: one finite real number with only blanks or tabs
// around it.
bool IsNumericCell(const std::string& text);

// "Non-numeric Data in box <box>".
std::string NonNumericMessage(int box);

// A quantity written with eight decimals, then trailing zeros (and a bare point) removed:
// 25.0 gives "25", 2.5 gives "2.5".
std::string QuantityText(double value);

} // namespace TavDialogs
