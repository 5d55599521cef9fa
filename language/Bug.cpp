#include "language/Bug.hpp"

#include "language/ParseLine.hpp"

namespace TavLanguage {

Bug::Bug(const std::string& sourceFile, int sourceLine) : ParserErr(66, sourceFile) {
    SetLineIfUnset(sourceLine);
}

Bug::~Bug() = default;

} // namespace TavLanguage
