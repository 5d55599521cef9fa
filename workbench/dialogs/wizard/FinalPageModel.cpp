#include "workbench/dialogs/wizard/FinalPageModel.hpp"

namespace TavDialogs {

std::string FinalPageModel::Summary() const {
    const TavWorkbench::TavModel& model = m_lists.model;
    std::string text;
    const auto line = [&text](const std::string& content) { text += content + "\r\n"; };
    line("Finish will now create a Tav problem with the following:");
    if (!model.constants.IsEmpty()) {
        line("Constants");
        for (const auto& constant : model.constants)
            line(constant->GetID());
    }
    line("Domains:");
    for (const auto& domain : model.domains)
        if (domain->GetType() != TavWorkbench::CDomain::Type::Boolean) line(domain->GetID());
    line("Variables:");
    for (const auto& variable : model.variables)
        line(variable->GetID());
    line("Constraints:");
    for (const auto& constraint : model.constraints)
        line(constraint->GetID());
    return text;
}

bool FinalPageModel::OnFinish(DialogMessages& messages) const {
    if (!titleText.empty()) return true;
    messages.ShowBox("Please Supply a Title", {});
    return false;
}

} // namespace TavDialogs
