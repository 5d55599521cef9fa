#include "workbench/dialogs/builder/ForTempDlgModel.hpp"

#include "workbench/dialogs/builder/ExpDlgModel.hpp"

namespace TavDialogs {

std::vector<std::string> ForTempDlgModel::Entries() {
    return {"Forall ( i in [0 .. \xABmax\xBB] )",
            "Forall ( i in [0 .. \xABmax\xBB], j in [0 .. \xABmax\xBB], i < j ",
            "Forall ( i in [0 .. \xABmax\xBB], j in [0 .. \xABmax\xBB], i <> j )"};
}

std::vector<std::string> ForTempDlgModel::HelpTexts() {
    return {
        "Either Select a Forall Template OR Type one,in the same style into the Constraint Box.\nTo Enter a "
        "Template:\nHighlight a Template, then click in the Constraint Box in the Constraint Form, where you "
        "want the template to appear. Then use the Apply Button.",
        "Position the Forall line before the Constraint it applies to.\nEnclose the Constraint it applies to "
        "between opening and closing braces.{ and } . End the constraint with a semi-colon ; e.g. \nForall ( "
        "i "
        "= [0..4])\n{\nA[i] <> B[i] ;\n}",
        "In Constraint Builder replace \xABmax \xBB by a terminating number.\n Change index names i or j if "
        "desired.\nChange the starting range from 0 if desired.\nArrays are indexed from 0 in Tav."};
}

std::string ForTempDlgModel::AppliedText() const {
    return IsApplyEnabled() ? ExpDlgModel::ForallTemplate(selection) : std::string();
}

} // namespace TavDialogs
