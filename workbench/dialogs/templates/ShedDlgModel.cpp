#include "workbench/dialogs/templates/ShedDlgModel.hpp"

#include "workbench/Validation.hpp"
#include "workbench/dialogs/NumberFields.hpp"

#include <climits>

namespace TavDialogs {

namespace {

bool ReadCount(const std::string& text, unsigned minimum, unsigned maximum, unsigned& value,
               DialogMessages& messages) {
    if (!ReadUIntField(text, value, messages)) return false;
    if (minimum > 0 && !TavWorkbench::DDV_MinUInt(value, minimum, messages)) return false;
    return CheckIntRange(value, minimum, maximum, messages);
}

} // namespace

bool ShedDlgModel::OnOK(DialogMessages& messages) {
    unsigned days = 0, slots = 0, staff = 0, minFree = 0, demand = 0;
    m_focus = Field::Days;
    if (!ReadCount(daysText, 1, kMaxSize, days, messages)) return false;
    m_focus = Field::Slots;
    if (!ReadCount(slotsText, 1, kMaxSize, slots, messages)) return false;
    m_focus = Field::Staff;
    if (!ReadCount(staffText, 1, kMaxSize, staff, messages)) return false;
    m_focus = Field::MinFree;
    if (!ReadCount(minFreeText, 0, kMaxSize, minFree, messages)) return false;
    m_focus = Field::Demand;
    if (!ReadCount(demandText, 1, INT_MAX, demand, messages)) return false;
    m_schedule.Set(static_cast<int>(staff), static_cast<int>(slots), static_cast<int>(days),
                   static_cast<int>(minFree), static_cast<int>(demand));
    return true;
}

} // namespace TavDialogs
