#pragma once
// The number of variables of a new linear programme: 1 to 100.

#include "workbench/dialogs/DialogMessages.hpp"

#include <string>

namespace TavDialogs {

class LPStartDlgModel {
public:
    static constexpr const char* kTitle = "New Linear Programming Problem";
    static constexpr int kMaxVariables = 100;

    explicit LPStartDlgModel(int variables = 1) : variablesText(std::to_string(variables)) {}

    std::string variablesText;
    // A whole number within 1 .. 100 (the framework's texts otherwise).
    bool OnOK(DialogMessages& messages);
    int GetVariables() const { return m_variables; }

private:
    int m_variables = 1;
};

} // namespace TavDialogs
