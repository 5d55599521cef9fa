#include "workbench/dialogs/templates/GridEditFilter.hpp"

namespace TavDialogs {

bool GridEditAccepts(const std::string& text, int selectionStart, char typed) {
    const auto c = static_cast<unsigned char>(typed);
    if (c < 32) return true;
    const bool hasMinus = text.find('-') != std::string::npos;
    if (hasMinus && selectionStart == 0) return false;
    if (typed == '-') return !hasMinus && selectionStart == 0;
    if (typed >= '0' && typed <= '9') return true;
    if (typed == '.') return text.find('.') == std::string::npos;
    return false;
}

} // namespace TavDialogs
