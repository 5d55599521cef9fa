#pragma once
// The wizard's last page: a summary of what Finish creates, and the problem's title.

#include "workbench/dialogs/wizard/WizardLists.hpp"

#include <string>

namespace TavDialogs {

class FinalPageModel {
public:
    explicit FinalPageModel(WizardLists lists) : m_lists(lists) {}

    // "Finish will now create a Tav problem with the following:", "Constants" and their ids
    // (only when there are any), "Domains:" and the ids of the domains that are not Boolean,
    // "Variables:" and theirs, "Constraints:" and theirs; each line ending "\r\n".
    std::string Summary() const;

    std::string titleText = "NoTitle";
    // "Please Supply a Title" for an empty title.
    bool OnFinish(DialogMessages& messages) const;

private:
    WizardLists m_lists;
};

} // namespace TavDialogs
