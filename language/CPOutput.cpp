#include "language/CPOutput.hpp"

#include "platform/MessageSink.hpp"

namespace TavLanguage {

CPOutput::CPOutput(const std::string& text) {
    Platform::AfxMessageBox(text);
}

} // namespace TavLanguage
