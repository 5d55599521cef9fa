#include "workbench/CStringConverter.hpp"

namespace TavWorkbench {

std::string CStringConverter::Convert(const std::string& text) const {
    std::string converted;
    converted.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && !(i + 1 < text.size() && text[i + 1] == '\f')) converted += '\r';
        converted += text[i];
    }
    return converted;
}

} // namespace TavWorkbench
