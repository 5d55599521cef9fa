#include "workbench/dialogs/builder/IFElseDlgModel.hpp"

namespace TavDialogs {

namespace {

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace

std::vector<std::string> IFElseDlgModel::Templates() {
    const std::string ifPart = Lines({"if (\xABindex value\xBB)", "{",
                                      "\xAB"
                                      "constraints\xBB;",
                                      "}"});
    const std::string elsePart = Lines({"Else", "{",
                                        "\xAB"
                                        "constraints\xBB;",
                                        "}"});
    const std::string elseIfPart = Lines({"Else If (\xABindex value\xBB)", "{",
                                          "\xAB"
                                          "constraints\xBB;",
                                          "}"});
    return {ifPart, ifPart + elsePart, ifPart + elseIfPart, ifPart + elseIfPart + elsePart};
}

std::vector<std::string> IFElseDlgModel::Choices() {
    return {"If (with no Else)", "If .. Else", "If.. Else If", "If.. Else If.. Else"};
}

std::vector<std::string> IFElseDlgModel::HelpTexts() {
    return {"Select one of the Templates.\nSelected one is shown to the right.\nTemplate will be placed at "
            "current "
            "insertion point in Constraint Builder. \nYou can extend the If statement if required.",
            "Click in the Constraint Builder box, in Constraints Dialog,  to set Insertion Point before "
            "using apply "
            "Button"};
}

void IFElseDlgModel::OnChoose(int choice) {
    const std::vector<std::string> templates = Templates();
    if (choice < 0 || choice >= static_cast<int>(templates.size())) return;
    m_choice = choice;
    m_shown = templates[static_cast<std::size_t>(choice)];
}

} // namespace TavDialogs
