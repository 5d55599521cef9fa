#pragma once
// The choice of a new domain's data type: "Integer" (0) or "Set" (1).

#include "workbench/dialogs/DialogMessages.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class TypeSelDlgModel {
public:
    static constexpr int kInteger = 0;
    static constexpr int kSet = 1;

    // The combo box's entries, in order.
    static std::vector<std::string> Entries() { return {"Integer", "Set"}; }

    // The chosen entry, -1 for none.
    int selection = -1;
    // Only shows: OK disabled, Cancel reads "Close".
    bool readOnly = false;

    // "Please Make A Selection or Cancel" (caption "No Data Type Chosen") without a choice.
    bool OnOK(DialogMessages& messages) const;
    bool IsOKEnabled() const { return !readOnly; }
    std::string CancelText() const { return readOnly ? "Close" : "Cancel"; }
};

} // namespace TavDialogs
