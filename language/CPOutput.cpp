#include "language/CPOutput.hpp"

#include "platform/MessageSink.hpp"

CPOutput::CPOutput(const std::string& text) {
    Platform::AfxMessageBox(text);
}
