#pragma once
// The maximum number of solutions to search for: at least 1.

#include "workbench/dialogs/DialogMessages.hpp"

#include <string>

namespace TavDialogs {

class CountDlgModel {
public:
    explicit CountDlgModel(int count = 1) : countText(std::to_string(count)) {}

    std::string countText;
    // "Please enter an integer not less than  1" below 1.
    bool OnOK(DialogMessages& messages);
    int GetCount() const { return m_count; }

private:
    int m_count = 1;
};

} // namespace TavDialogs
