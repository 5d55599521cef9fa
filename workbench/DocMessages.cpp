#include "workbench/DocMessages.hpp"

#include "platform/MessageSink.hpp"

namespace TavWorkbench {

void DefaultDocMessages::Show(const std::string& text) {
    Platform::ShowMessage(text);
}

bool DefaultDocMessages::Ask(const std::string& question) {
    (void)question;
    return true;
}

} // namespace TavWorkbench
