#pragma once
// The sizes of a staff schedule for the nurse templates.

#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/templates/CSchedule.hpp"

#include <string>

namespace TavDialogs {

class ShedDlgModel {
public:
    static constexpr const char* kTitle = "Schedule Details";
    enum class Field { Days, Slots, Staff, MinFree, Demand };
    // Larger schedules would make models too big to hold; the framework's range text refuses them.
    static constexpr int kMaxSize = 1000;

    std::string daysText = "1";
    std::string slotsText = "1";
    std::string staffText = "1";
    std::string minFreeText = "0";
    std::string demandText = "1";

    // Read in the order days, slots per day, total staff (each at least 1 and at most kMaxSize),
    // minimum free days, default demand (at least 1). Only the "OK" button calls it.
    bool OnOK(DialogMessages& messages);
    Field Focus() const { return m_focus; }
    const CSchedule& GetSchedule() const { return m_schedule; }

private:
    Field m_focus = Field::Days;
    CSchedule m_schedule;
};

} // namespace TavDialogs
