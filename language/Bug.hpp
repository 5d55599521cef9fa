#pragma once
// Internal error of the language layer: an operation a node kind does not support, or a case
// that cannot happen. A ParserErr with code 66 naming the source file.

#include "language/ParserErr.hpp"

#include <string>

namespace TavLanguage {

class Bug : public ParserErr {
public:
    // text1 is the source file name; the line is the parse's current line, or sourceLine
    // when no parse is running on this thread.
    Bug(const std::string& sourceFile, int sourceLine);
    ~Bug() override;
};

} // namespace TavLanguage
