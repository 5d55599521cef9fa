#pragma once
// The id of a copy of a variable.

#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/model/CVarArray.hpp"

#include <string>

namespace TavDialogs {

class CopyVarDlgModel {
public:
    enum class Field { None, NewID };

    CopyVarDlgModel(const TavWorkbench::CVarArray& variables, std::string copiedID)
        : sourceID(std::move(copiedID)), m_variables(variables) {}

    // "Make copy of ", read-only.
    std::string sourceID;
    std::string newID;

    // "Please enter a new ID"; "Please Change Name - it is already used" when a variable has it.
    bool OnOK(DialogMessages& messages) const;
    Field GetFocus() const { return Field::NewID; }

private:
    const TavWorkbench::CVarArray& m_variables;
};

} // namespace TavDialogs
