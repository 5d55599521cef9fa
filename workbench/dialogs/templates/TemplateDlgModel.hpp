#pragma once
// The choice of a problem template: a list of five templates, each with a description.

#include "workbench/dialogs/DialogMessages.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class TemplateDlgModel {
public:
    static constexpr int kQueens = 0;
    static constexpr int kSalesman = 1;
    static constexpr int kNurses = 2;
    static constexpr int kNurseSets = 3;
    static constexpr int kBins = 4;

    static constexpr const char* kTitle = "Problem Templates";

    // "N Queens", "Travelling Salesman", "Schedule Nurses", "Schedule Nurses (uses Sets)", "Bin Packing".
    static const std::vector<std::string>& Names();
    // The description shown for the template at `index`; empty outside 0..4.
    static std::string Description(int index);

    // The list's selection, -1 for none.
    int selected = -1;
    // "Nothing Selected" without a selection (the focus goes back to the list).
    bool OnOK(DialogMessages& messages);
    // The template chosen by OK.
    int GetChoice() const { return m_choice; }

private:
    int m_choice = -1;
};

} // namespace TavDialogs
