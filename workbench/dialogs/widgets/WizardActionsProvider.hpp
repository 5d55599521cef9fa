#pragma once
// The workbench's commands that run the templates, the wizards, the spreadsheet import, the
// model printing and the row-total dialog: each opens its views over the command's window and,
// when the document's problem changed, has the tree rebuilt and the document marked modified.

#include "workbench/ui/ElementActions.hpp"

namespace TavDialogs {

class WizardActionsProvider : public TavWorkbench::Ui::ElementActions {
public:
    // UseTemplate, ProblemWizard, the three LP wizards, GetDataFromExcel, PrintModel,
    // PrintModelPreview, and AddTotal (AskTotalRows).
    bool Provides(TavWorkbench::CommandId id) const override;
    void Run(TavWorkbench::CommandId id, TavWorkbench::Ui::ActionContext& context) override;
    std::optional<std::pair<int, int>> AskTotalRows(QWidget* parent, int lower, int upper) override;
};

} // namespace TavDialogs
