#include "workbench/dialogs/domains/TypeSelDlgModel.hpp"

namespace TavDialogs {

bool TypeSelDlgModel::OnOK(DialogMessages& messages) const {
    if (selection < 0) {
        messages.ShowBox("Please Make A Selection or Cancel", "No Data Type Chosen");
        return false;
    }
    return true;
}

} // namespace TavDialogs
