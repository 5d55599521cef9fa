#include "workbench/dialogs/widgets/DialogActionsProvider.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/dialogs/actions/SolverDialogActions.hpp"
#include "workbench/dialogs/solver/CountDlgModel.hpp"
#include "workbench/dialogs/solver/ExSolDlgModel.hpp"
#include "workbench/dialogs/solver/TimeDlgModel.hpp"
#include "workbench/dialogs/widgets/CStatsDlg.hpp"
#include "workbench/ui/StatisticsWindow.hpp"

#include <set>

namespace TavDialogs {

using TavWorkbench::CommandId;
using TavWorkbench::ProblemTree;

namespace {

// The statistics window as the frame knows it.
class StatsWindow : public CStatsDlg, public TavWorkbench::Ui::StatisticsWindow {
public:
    using CStatsDlg::CStatsDlg;
    QWidget* Widget() override { return this; }
    void SetStatsText(const std::string& text) override { CStatsDlg::SetStatsText(text); }
};

const std::set<CommandId>& Served() {
    static const std::set<CommandId> served{
        CommandId::AddVariable,         CommandId::AddDomain,           CommandId::AddIntegerConstant,
        CommandId::AddSetListConstant,  CommandId::AddConstraint,       CommandId::AddOptimisation,
        CommandId::RemoveOptimisation,  CommandId::DeleteUnusedDomains, CommandId::CloneVariable,
        CommandId::EditVariable,        CommandId::DeleteVariable,      CommandId::EditDomain,
        CommandId::DeleteDomain,        CommandId::EditConstraint,      CommandId::DeleteConstraint,
        CommandId::EditConstant,        CommandId::DeleteConstant,      CommandId::SetParameters,
        CommandId::NumberOfSolutions,   CommandId::SearchTime,          CommandId::ExternalSolver,
        CommandId::ViewExternalResults, CommandId::ViewStatistics,
    };
    return served;
}

// The kind a per-object command acts on, None for the others.
ProblemTree::ItemKind KindOf(CommandId id) {
    switch (id) {
    case CommandId::CloneVariable:
    case CommandId::EditVariable:
    case CommandId::DeleteVariable:
        return ProblemTree::ItemKind::Variable;
    case CommandId::EditDomain:
    case CommandId::DeleteDomain:
        return ProblemTree::ItemKind::Domain;
    case CommandId::EditConstraint:
    case CommandId::DeleteConstraint:
        return ProblemTree::ItemKind::Constraint;
    case CommandId::EditConstant:
    case CommandId::DeleteConstant:
        return ProblemTree::ItemKind::Constant;
    default:
        return ProblemTree::ItemKind::None;
    }
}

} // namespace

DialogActionsProvider::DialogActionsProvider(DialogMessages* messages)
    : m_messages(messages != nullptr ? *messages : m_qtMessages), m_host(m_messages) {}

bool DialogActionsProvider::Provides(CommandId id) const {
    return Served().count(id) != 0;
}

ActionOutcome DialogActionsProvider::RunAction(CommandId id, EditingActions& actions,
                                               const ProblemTree::Item* item) {
    const ProblemTree::ItemKind kind = KindOf(id);
    if (kind != ProblemTree::ItemKind::None && (item == nullptr || item->Kind() != kind)) return {};
    const int index = item != nullptr ? item->Index() : -1;
    switch (id) {
    case CommandId::CloneVariable:
        return actions.CloneVariable(index);
    case CommandId::EditVariable:
        return actions.EditVariable(index);
    case CommandId::DeleteVariable:
        return actions.DeleteVariable(index);
    case CommandId::EditDomain:
        return actions.EditDomain(index);
    case CommandId::DeleteDomain:
        return actions.DeleteDomain(index);
    case CommandId::EditConstraint:
        return actions.EditConstraint(index);
    case CommandId::DeleteConstraint:
        return actions.DeleteConstraint(index);
    case CommandId::EditConstant:
        return actions.EditConstant(index);
    case CommandId::DeleteConstant:
        return actions.DeleteConstant(index);
    case CommandId::RemoveOptimisation:
        return actions.RemoveOptimisation();
    case CommandId::AddVariable:
        return actions.AddVariable();
    case CommandId::AddDomain:
        return actions.AddDomain();
    case CommandId::AddIntegerConstant:
        return actions.AddIntegerConstant();
    case CommandId::AddSetListConstant:
        return actions.AddSetListConstant();
    case CommandId::AddConstraint:
        return actions.AddConstraint();
    case CommandId::AddOptimisation:
        return actions.AddOptimisation();
    case CommandId::DeleteUnusedDomains:
        return actions.DeleteUnusedDomains();
    default:
        return {};
    }
}

void DialogActionsProvider::Run(CommandId id, TavWorkbench::Ui::ActionContext& context) {
    m_qtMessages.SetOwner(context.parent);
    m_host.SetOwner(context.parent);
    TavWorkbench::CTavDoc& doc = context.doc;
    if (id == CommandId::SetParameters) {
        SolverDialogActions(doc, m_host).SetParameters();
        return;
    }
    if (id == CommandId::ExternalSolver || id == CommandId::ViewExternalResults ||
        id == CommandId::ViewStatistics || id == CommandId::NumberOfSolutions || id == CommandId::SearchTime)
        return;
    EditingActions actions(doc.GetModel(), doc.GetKeyWords(), doc.GetAvailableConstraints(), m_host,
                           m_messages);
    const ActionOutcome outcome = RunAction(id, actions, context.actionItem);
    if (outcome.modified && context.setModified) context.setModified();
}

std::optional<int> DialogActionsProvider::AskSolutionCount(QWidget* parent) {
    m_host.SetOwner(parent);
    CountDlgModel dialog(1);
    if (!m_host.Run(dialog)) return std::nullopt;
    return dialog.GetCount();
}

std::optional<int> DialogActionsProvider::AskSearchMinutes(QWidget* parent, int minutes) {
    m_host.SetOwner(parent);
    TimeDlgModel dialog(minutes);
    if (!m_host.Run(dialog)) return std::nullopt;
    return dialog.GetMinutes();
}

std::optional<int>
DialogActionsProvider::ChooseExternalSolver(QWidget* parent,
                                            const std::vector<std::pair<std::string, int>>& programs) {
    m_host.SetOwner(parent);
    std::vector<ExSolDlgModel::Entry> entries;
    for (const auto& [name, userNumber] : programs)
        entries.push_back({name, userNumber});
    ExSolDlgModel dialog(std::move(entries));
    m_host.Run(dialog);
    return dialog.ChosenUser();
}

TavWorkbench::Ui::StatisticsWindow* DialogActionsProvider::OpenStatisticsWindow(QWidget* parent) {
    return new StatsWindow(parent);
}

} // namespace TavDialogs
