#pragma once
// The Forall templates offered beside the constraint builder: three list entries; "Apply"
// hands the selected entry's number to the builder, which inserts its Forall template.

#include <string>
#include <vector>

namespace TavDialogs {

class ForTempDlgModel {
public:
    // The list's entries as shown (entry 1 is shown without its closing parenthesis).
    static std::vector<std::string> Entries();
    // The dialog's help texts.
    static std::vector<std::string> HelpTexts();

    // The selected entry, -1 for none; "Apply" is enabled exactly while one is selected.
    int selection = -1;
    bool IsApplyEnabled() const { return selection >= 0 && selection < 3; }
    // The text the builder inserts for the selected entry (empty without a selection).
    std::string AppliedText() const;
};

} // namespace TavDialogs
