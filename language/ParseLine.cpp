#include "language/ParseLine.hpp"

namespace TavLanguage {

namespace {
thread_local const int* t_currentLine = nullptr;
}

int CurrentParseLine() {
    return t_currentLine != nullptr ? *t_currentLine : 0;
}

ParseLineScope::ParseLineScope(const int* line) : m_previous(t_currentLine) {
    t_currentLine = line;
}

ParseLineScope::~ParseLineScope() {
    t_currentLine = m_previous;
}

} // namespace TavLanguage
