#include "workbench/dialogs/templates/TemplateDlgModel.hpp"

namespace TavDialogs {

const std::vector<std::string>& TemplateDlgModel::Names() {
    static const std::vector<std::string> names = {"N Queens", "Travelling Salesman", "Schedule Nurses",
                                                   "Schedule Nurses (uses Sets)", "Bin Packing"};
    return names;
}

std::string TemplateDlgModel::Description(int index) {
    switch (index) {
    case kQueens:
        return "The classic CSP Problem\nPlaces a user selected number of Queens on a \"chess\" board, so "
               "that no "
               "Queen threatens any other Queen.";
    case kSalesman:
        return "The Travelling Salesman Problem.\nUses an editable table of mileages between cities. Finds a "
               "route "
               "that visits all cities within a total mileage constraint.";
    case kNurses:
        return "Timetables nurses shift patterns.";
    case kNurseSets:
        return "Timetables Nurses shift patters by a different method";
    case kBins:
        return "Allocate a selection of objects\nto a selection of containers\nsubject to various "
               "conditions.";
    default:
        return {};
    }
}

bool TemplateDlgModel::OnOK(DialogMessages& messages) {
    if (selected < 0 || selected >= static_cast<int>(Names().size())) {
        messages.ShowBox("Nothing Selected", {});
        return false;
    }
    m_choice = selected;
    return true;
}

} // namespace TavDialogs
