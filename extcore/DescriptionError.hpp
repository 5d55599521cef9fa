#pragma once
// A problem description text that the external solver cannot read: truncated, a count larger
// than what follows, an unknown keyword or name, a malformed number. what() names the token's
// position (its number from 1 and its line) and what was wrong there.

#include "platform/FatalError.hpp"

#include <string>

namespace Melvane {

class DescriptionError : public Platform::FatalError {
public:
    // tokenNumber counts from 1; 0 when the fault is the end of the text.
    DescriptionError(const std::string& text, int tokenNumber, int line)
        : Platform::FatalError(text), m_tokenNumber(tokenNumber), m_line(line) {}
    int GetTokenNumber() const { return m_tokenNumber; }
    int GetLine() const { return m_line; }

private:
    int m_tokenNumber;
    int m_line;
};

} // namespace Melvane
