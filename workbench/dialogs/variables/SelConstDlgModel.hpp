#pragma once
// The choice of a constant of one type: integer constants (optionally only those of value 1 or
// more) for an array size or a domain bound, or list constants for a domain's values.

#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/model/CConstArray.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class SelConstDlgModel {
public:
    struct Entry {
        std::string id;
        int constantIndex;
    };

    // Offers the constants of `wantedType`.
    SelConstDlgModel(const TavWorkbench::CConstArray& constants, TavWorkbench::CConstant::Type wantedType,
                     bool positiveOnly = false);

    // The constants offered, in array order.
    const std::vector<Entry>& Entries() const { return m_entries; }
    const TavWorkbench::CConstArray& Constants() const { return m_constants; }
    // At opening: with nothing to offer shows "No Integer Constants Found" (or "No List
    // Constants Found" for another type) and returns false: the dialog ends as cancelled.
    bool OnInitDialog(DialogMessages& messages) const;

    // The selected row, -1 for none.
    int selection = -1;
    // "Select a Constant or Quit" without a selection.
    bool OnOK(DialogMessages& messages) const;
    // The chosen constant's id (after OnOK accepted).
    std::string GetChosenID() const;

private:
    const TavWorkbench::CConstArray& m_constants;
    TavWorkbench::CConstant::Type m_wantedType;
    std::vector<Entry> m_entries;
};

} // namespace TavDialogs
