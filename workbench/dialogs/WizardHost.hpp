#pragma once
// Runs the template, grid, linear-programming and transportation dialogs modally over their
// models, for the commands that chain them (Use Template, the three LP wizards). The windows
// show each dialog's view; tests fill the models in code. A dialog ends with OK (its model then
// holds what OK hands back), Cancel, or its own third button (Back, Automatic).

#include "workbench/dialogs/DialogMessages.hpp"

namespace TavDialogs {

class TemplateDlgModel;
class QueenDlgModel;
class TSPOptionsDlgModel;
class ShedDlgModel;
class GridDlgModel;
class OptimDlgModel;
class LPStartDlgModel;
class LPWizDLGModel;
class LPConsDlgModel;
class TransNumDlgModel;
class WarningDlgModel;
class BothQuantDlgModel;
class CostsDlgModel;

enum class DialogEnd {
    Ok,
    Cancel,
    // The queens and grid dialogs' "Back".
    Back,
};

class WizardHost {
public:
    virtual ~WizardHost() = default;

    // Where the dialogs and the commands show their boxes and ask their questions.
    virtual DialogMessages& Messages() = 0;

    virtual DialogEnd Run(TemplateDlgModel& model) = 0;
    virtual DialogEnd Run(QueenDlgModel& model) = 0;
    virtual DialogEnd Run(TSPOptionsDlgModel& model) = 0;
    virtual DialogEnd Run(ShedDlgModel& model) = 0;
    virtual DialogEnd Run(GridDlgModel& model) = 0;
    virtual DialogEnd Run(OptimDlgModel& model) = 0;
    virtual DialogEnd Run(LPStartDlgModel& model) = 0;
    virtual DialogEnd Run(LPWizDLGModel& model) = 0;
    virtual DialogEnd Run(LPConsDlgModel& model) = 0;
    virtual DialogEnd Run(TransNumDlgModel& model) = 0;
    // "Change" ends it with Ok, "Automatic" with Cancel.
    virtual DialogEnd Run(WarningDlgModel& model) = 0;
    virtual DialogEnd Run(BothQuantDlgModel& model) = 0;
    virtual DialogEnd Run(CostsDlgModel& model) = 0;
};

} // namespace TavDialogs
