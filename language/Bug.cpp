#include "language/Bug.hpp"

#include "language/ParseLine.hpp"

Bug::Bug(const std::string& sourceFile, int sourceLine) : ParserErr(66, sourceFile) {
    SetLineIfUnset(sourceLine);
}

Bug::~Bug() = default;
