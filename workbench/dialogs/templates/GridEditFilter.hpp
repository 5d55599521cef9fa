#pragma once
// The number-only cell editor of the grid dialogs: which typed characters it lets through.

#include <string>

namespace TavDialogs {

// Control characters pass; a minus only as the first character (and only one); digits; one
// decimal point. `selectionStart` is where the character would go.
bool GridEditAccepts(const std::string& text, int selectionStart, char typed);

} // namespace TavDialogs
