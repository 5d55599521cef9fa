#pragma once
// Reading a dialog's number boxes as the dialog framework's data exchange does: the whole text
// must be one number (blanks around it allowed), and the framework's own texts report a box
// that holds none or a number outside the box's range. Each shows one box and returns false.

#include "workbench/dialogs/DialogMessages.hpp"

#include <string>

namespace TavDialogs {

// A signed 32-bit number; "Please enter an integer.".
bool ReadIntField(const std::string& text, int& value, DialogMessages& messages);
// An unsigned 32-bit number, no sign; "Please enter a positive integer.".
bool ReadUIntField(const std::string& text, unsigned& value, DialogMessages& messages);
// A real number; "Please enter a number.".
bool ReadDoubleField(const std::string& text, double& value, DialogMessages& messages);
// minimum <= value <= maximum; "Please enter an integer between <minimum> and <maximum>.".
bool CheckIntRange(long long value, long long minimum, long long maximum, DialogMessages& messages);

// The same texts, for tests and views.
inline constexpr const char* kEnterInteger = "Please enter an integer.";
inline constexpr const char* kEnterPositiveInteger = "Please enter a positive integer.";
inline constexpr const char* kEnterNumber = "Please enter a number.";
std::string RangeMessage(long long minimum, long long maximum);

// printf("%.15g") of a real number, as a real box shows it.
std::string DoubleText(double value);

} // namespace TavDialogs
