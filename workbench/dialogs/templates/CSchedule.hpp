#pragma once
// The sizes of a staff schedule, as the schedule dialog gathers them for the two nurse templates.

namespace TavDialogs {

struct CSchedule {
    int staff = 0;         // staff members S
    int shifts = 0;        // shifts (slots) per day K
    int days = 0;          // days in the period D
    int minFreeDays = 0;   // free days each member has at least, M
    int defaultDemand = 0; // demand per shift where the grid gives none

    CSchedule() = default;
    CSchedule(int staffCount, int shiftsPerDay, int dayCount, int minimumFree, int demand)
        : staff(staffCount), shifts(shiftsPerDay), days(dayCount), minFreeDays(minimumFree),
          defaultDemand(demand) {}
    void Set(int staffCount, int shiftsPerDay, int dayCount, int minimumFree, int demand) {
        *this = CSchedule(staffCount, shiftsPerDay, dayCount, minimumFree, demand);
    }
};

} // namespace TavDialogs
