#pragma once
// The maximum solution time in whole minutes, 1 to 30.

#include "workbench/dialogs/DialogMessages.hpp"

#include <string>

namespace TavDialogs {

class TimeDlgModel {
public:
    explicit TimeDlgModel(int minutes) : minutesText(std::to_string(minutes)) {}

    std::string minutesText;
    // "Use Default": 5 minutes.
    void OnUseDefault();
    // "Please enter an integer between 1 and 30." otherwise.
    bool OnOK(DialogMessages& messages);
    int GetMinutes() const { return m_minutes; }

private:
    int m_minutes = 0;
};

} // namespace TavDialogs
