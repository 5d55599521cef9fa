#include "workbench/dialogs/constants/ConstantIdCheck.hpp"

namespace TavDialogs {

bool CheckConstantID(const std::string& id, int ownIndex, const ProblemRefs& refs,
                     const std::string& emptyMessage, DialogMessages& messages) {
    const char* refusal = nullptr;
    if (id.empty()) {
        messages.ShowBox(emptyMessage, {});
        return false;
    }
    if (refs.constants.IsIDUsedElsewhere(id, ownIndex))
        refusal = "ID is used as a Constant ID - Please Change";
    else if (refs.domains.IsIDUsedElsewhere(id, -1))
        refusal = "ID is used as a Domain ID - Please Change";
    else if (refs.variables.IsIDUsedElsewhere(id, -1))
        refusal = "ID is used as a Variable ID - Please Change";
    else if (refs.constraints.IsIDUsedElsewhere(id, -1))
        refusal = "ID is used as a Constraint ID - Please Change";
    else if (refs.keyWords.IsKeyWord(id))
        refusal = "ID is used as a Key Word - Please Change";
    if (refusal == nullptr) return true;
    messages.ShowBox(refusal, {});
    return false;
}

} // namespace TavDialogs
