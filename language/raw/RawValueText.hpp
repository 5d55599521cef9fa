#pragma once
// The text of a solution's value, the one form that tav-solve prints and the results view
// shows: integers in decimal, booleans 0/1, reals with up to 10 significant digits, strings as
// they are, sets and lists as their elements in braces ({1,2,3}), anything else as RawWriter
// writes it.

#include <string>

namespace TavLanguage {

class RawExpr;

std::string RawValueText(const RawExpr& value);

} // namespace TavLanguage
