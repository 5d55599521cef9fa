#pragma once
// Turns a solver's statistics report into text for an edit control: every "\n" not followed
// by a form feed becomes "\r\n".

#include <string>

namespace TavWorkbench {

class CStringConverter {
public:
    virtual ~CStringConverter() = default;
    std::string Convert(const std::string& text) const;
};

} // namespace TavWorkbench
