#pragma once
// The element dialogs as the workbench's windows use them: the tree's add, edit, clone and
// delete actions, Delete Unused Domains, the optimisation, the solver parameter and Expert
// dialogs, the solution count, the search time, the external solver list and the statistics
// window. Each action runs its dialogs and changes the document.

#include "workbench/dialogs/actions/EditingActions.hpp"
#include "workbench/dialogs/widgets/QtDialogHost.hpp"
#include "workbench/dialogs/widgets/QtDialogMessages.hpp"
#include "workbench/ui/ElementActions.hpp"

#include <memory>

namespace TavDialogs {

class DialogActionsProvider : public TavWorkbench::Ui::ElementActions {
public:
    // `messages` shows every box of the dialogs and actions (null: Qt message boxes); it must
    // outlive the provider.
    explicit DialogActionsProvider(DialogMessages* messages = nullptr);

    bool Provides(TavWorkbench::CommandId id) const override;
    void Run(TavWorkbench::CommandId id, TavWorkbench::Ui::ActionContext& context) override;
    std::optional<int> AskSolutionCount(QWidget* parent) override;
    std::optional<int> AskSearchMinutes(QWidget* parent, int minutes) override;
    std::optional<int>
    ChooseExternalSolver(QWidget* parent, const std::vector<std::pair<std::string, int>>& programs) override;
    TavWorkbench::Ui::StatisticsWindow* OpenStatisticsWindow(QWidget* parent) override;

    // The host that runs the views (tests watch the views it opens).
    QtDialogHost& Host() { return m_host; }

private:
    ActionOutcome RunAction(TavWorkbench::CommandId id, EditingActions& actions,
                            const TavWorkbench::ProblemTree::Item* item);

    QtDialogMessages m_qtMessages;
    DialogMessages& m_messages;
    QtDialogHost m_host;
};

} // namespace TavDialogs
