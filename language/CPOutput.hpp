#pragma once
// Shows a text to the user (the platform's message sink); its constructor does all its work.

#include <string>

namespace TavLanguage {

class CPOutput {
public:
    explicit CPOutput(const std::string& text);
};

} // namespace TavLanguage
