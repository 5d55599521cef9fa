// Every command's enabling rule, as a table of states: one row per command and state, with the
// enabled and checked flags expected. The last test makes sure no command of the table is left
// out here.

#include "workbench/views/CommandTable.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

using namespace TavWorkbench;

namespace {

using Tweak = std::function<void(CommandContext&)>;

struct Case {
    CommandId id;
    const char* state;
    Tweak tweak;
    bool enabled;
    bool checked = false;
};

// A document with variables, a constraint, one solution in the list, nothing running, and
// every provider present.
CommandContext Base() {
    CommandContext c;
    c.hasVariables = true;
    c.hasConstraints = true;
    c.records = 2;
    c.solutions = 3;
    c.currentSolution = 1;
    c.serverRunning = true;
    c.connectedSolvers = 1;
    for (const CommandInfo& info : Commands())
        c.provided.insert(info.id);
    return c;
}

void Nothing(CommandContext&) {}
void Running(CommandContext& c) {
    c.running = true;
    c.solverExists = true;
}
void Grid(CommandContext& c) {
    c.gridMode = true;
}
void NoResults(CommandContext& c) {
    c.records = 0;
    c.solutions = 0;
    c.currentSolution = 0;
}
void AtFirst(CommandContext& c) {
    c.currentSolution = 0;
}
void AtLast(CommandContext& c) {
    c.currentSolution = 2;
}
void NoProblem(CommandContext& c) {
    c.hasConstraints = false;
    c.hasOptimisation = false;
}
void OnlyTarget(CommandContext& c) {
    c.hasConstraints = false;
    c.hasOptimisation = true;
}
void NoVariables(CommandContext& c) {
    c.hasVariables = false;
}
void Target(CommandContext& c) {
    c.hasOptimisation = true;
}
void SolverIdle(CommandContext& c) {
    c.solverExists = true;
}
void Solved(CommandContext& c) {
    c.solverExists = true;
    c.solverSolved = true;
}
void NoneConnected(CommandContext& c) {
    c.connectedSolvers = 0;
}
void NoServer(CommandContext& c) {
    c.serverRunning = false;
    c.serverWhy = "no server";
}
Tweak Setting(int s) {
    return [s](CommandContext& c) { c.solverSetting = static_cast<SolverSetting>(s); };
}
Tweak Unprovided(CommandId id) {
    return [id](CommandContext& c) { c.provided.erase(id); };
}

const std::vector<Case>& Cases() {
    using I = CommandId;
    static const std::vector<Case> cases = {
        {I::FileNew, "idle", Nothing, true},
        {I::FileOpen, "running", Running, true},
        {I::FileSave, "running", Running, true},
        {I::FileSaveAs, "idle", Nothing, true},
        {I::FilePrint, "results", Nothing, true},
        {I::FilePrint, "running", Running, false},
        {I::FilePrint, "no results", NoResults, false},
        {I::FilePrintPreview, "results", Grid, true},
        {I::FilePrintPreview, "running", Running, false},
        {I::PrintModel, "idle", Nothing, true},
        {I::PrintModel, "running", Running, false},
        {I::PrintModelPreview, "no results", NoResults, true},
        {I::PrintModelPreview, "no provider", Unprovided(I::PrintModelPreview), false},
        {I::GetDataFromExcel, "idle", Nothing, true},
        {I::GetDataFromExcel, "running", Running, false},
        {I::AppExit, "running", Running, true},
        {I::EditCopy, "grid", Grid, true},
        {I::EditCopy, "list", Nothing, false},
        {I::EditCopy, "grid running",
         [](CommandContext& c) {
             Grid(c);
             Running(c);
         },
         false},
        {I::EditCopy, "grid without results",
         [](CommandContext& c) {
             Grid(c);
             NoResults(c);
         },
         true},
        {I::DeleteUnusedDomains, "idle", Nothing, true},
        {I::DeleteUnusedDomains, "no provider", Unprovided(I::DeleteUnusedDomains), false},
        {I::PrinterFont, "running", Running, true},
        {I::ViewNormal, "list", Nothing, false},
        {I::ViewNormal, "grid", Grid, true},
        {I::ViewGrid, "list", Nothing, true},
        {I::ViewGrid, "grid", Grid, false},
        {I::ViewStatistics, "running", Running, true},
        {I::ViewStatistics, "no provider", Unprovided(I::ViewStatistics), false},
        {I::ViewExternalResults, "connected", Nothing, true},
        {I::ViewExternalResults, "none connected", NoneConnected, false},
        {I::ViewExternalResults, "no server", NoServer, false},
        {I::ExternalSolver, "connected", Nothing, true},
        {I::ExternalSolver, "none connected", NoneConnected, false},
        {I::ExternalSolver, "no server", NoServer, false},
        {I::AddVariable, "running", Running, true},
        {I::AddVariable, "no provider", Unprovided(I::AddVariable), false},
        {I::AddDomain, "idle", Nothing, true},
        {I::AddIntegerConstant, "idle", Nothing, true},
        {I::AddSetListConstant, "idle", Nothing, true},
        {I::AddConstraint, "variables", Nothing, true},
        {I::AddConstraint, "no variables", NoVariables, false},
        {I::AddOptimisation, "variables", Nothing, true},
        {I::AddOptimisation, "no variables", NoVariables, false},
        {I::RemoveOptimisation, "no target", Nothing, false},
        {I::RemoveOptimisation, "target", Target, true},
        {I::FirstSolution, "constraints", Nothing, true},
        {I::FirstSolution, "target only", OnlyTarget, true},
        {I::FirstSolution, "no problem", NoProblem, false},
        {I::FirstSolution, "running", Running, false},
        {I::AllSolutions, "constraints", Nothing, true},
        {I::AllSolutions, "no problem", NoProblem, false},
        {I::AllSolutions, "running", Running, false},
        {I::NumberOfSolutions, "constraints", Nothing, true},
        {I::NumberOfSolutions, "running", Running, false},
        {I::NumberOfSolutions, "no provider", Unprovided(I::NumberOfSolutions), false},
        {I::StopSolving, "idle", Nothing, false},
        {I::StopSolving, "running", Running, true},
        {I::AddTotal, "grid", Grid, true},
        {I::AddTotal, "list", Nothing, false},
        {I::AddTotal, "grid without results",
         [](CommandContext& c) {
             Grid(c);
             NoResults(c);
         },
         false},
        {I::AddTotal, "grid running",
         [](CommandContext& c) {
             Grid(c);
             Running(c);
         },
         false},
        {I::ProblemWizard, "idle", Nothing, true},
        {I::ProblemWizard, "running", Running, false},
        {I::LinearWizard, "running", Running, false},
        {I::LinearWizard, "no provider", Unprovided(I::LinearWizard), false},
        {I::TransportationWizard, "idle", Nothing, true},
        {I::AssignmentWizard, "running", Running, false},
        {I::PlayDemo, "running", Running, true},
        {I::UseTemplate, "idle", Nothing, true},
        {I::UseTemplate, "running", Running, false},
        {I::GoFirstSolution, "at 1", Nothing, true},
        {I::GoFirstSolution, "at 0", AtFirst, false},
        {I::GoFirstSolution, "grid", Grid, false},
        {I::GoFirstSolution, "running", Running, false},
        {I::GoPreviousSolution, "at 1", Nothing, true},
        {I::GoPreviousSolution, "at 0", AtFirst, false},
        {I::GoNextSolution, "at 1", Nothing, true},
        {I::GoNextSolution, "at last", AtLast, false},
        {I::GoNextSolution, "no results", NoResults, false},
        {I::GoLastSolution, "at 1", Nothing, true},
        {I::GoLastSolution, "at last", AtLast, false},
        {I::GoLastSolution, "grid", Grid, false},
        {I::SolutionCost, "no solver", Nothing, false},
        {I::SolutionCost, "solver searching", SolverIdle, false},
        {I::SolutionCost, "solved", Solved, true},
        {I::SolverGFC, "setting 0", Setting(0), true, true},
        {I::SolverGFC, "setting 1", Setting(1), true, false},
        {I::SolverGLS, "setting 1", Setting(1), true, true},
        {I::SolverGLS2, "setting 4", Setting(4), true, true},
        {I::SolverGLS2, "setting 1", Setting(1), true, false},
        {I::SolverGA, "setting 2", Setting(2), true, true},
        {I::SolverTabu, "setting 3", Setting(3), true, true},
        {I::SolverExpert, "setting 10", Setting(10), true, true},
        {I::SolverExpert, "setting 7", Setting(7), true, false},
        {I::SetParameters, "no solver", Nothing, true},
        {I::SetParameters, "solver", SolverIdle, false},
        {I::SaveParameters, "running", Running, true},
        {I::SearchTime, "idle", Nothing, true},
        {I::SearchTime, "running", Running, false},
        {I::SaveResults, "results", Nothing, true},
        {I::SaveResults, "no results", NoResults, false},
        {I::SaveResults, "running", Running, true},
        {I::About, "running", Running, true},
        {I::HelpTopics, "running", Running, true},
        {I::ContextHelp, "running", Running, true},
        {I::Help, "no provider", Unprovided(I::Help), true},
        {I::DefaultHelp, "running", Running, true},
        {I::CloneVariable, "idle", Nothing, true},
        {I::EditVariable, "running", Running, true},
        {I::DeleteVariable, "no provider", Unprovided(I::DeleteVariable), false},
        {I::EditDomain, "idle", Nothing, true},
        {I::DeleteDomain, "idle", Nothing, true},
        {I::EditConstraint, "idle", Nothing, true},
        {I::DeleteConstraint, "idle", Nothing, true},
        {I::EditConstant, "idle", Nothing, true},
        {I::DeleteConstant, "no provider", Unprovided(I::DeleteConstant), false},
    };
    return cases;
}

} // namespace

TEST(CommandTable, EveryRuleAsTheTableSays) {
    for (const Case& c : Cases()) {
        CommandContext context = Base();
        c.tweak(context);
        const CommandState state = StateOf(c.id, context);
        EXPECT_EQ(state.enabled, c.enabled) << CommandInfoOf(c.id).text << " when " << c.state;
        EXPECT_EQ(state.checked, c.checked) << CommandInfoOf(c.id).text << " when " << c.state;
    }
}

TEST(CommandTable, EveryCommandIsCovered) {
    std::set<CommandId> covered;
    for (const Case& c : Cases())
        covered.insert(c.id);
    std::set<int> ids;
    for (const CommandInfo& info : Commands()) {
        EXPECT_TRUE(covered.contains(info.id)) << info.text << " has no case";
        EXPECT_TRUE(ids.insert(static_cast<int>(info.id)).second) << info.text << " is listed twice";
    }
}

TEST(CommandTable, GreyedCommandsSayWhy) {
    CommandContext context = Base();
    context.provided.clear();
    context.serverRunning = false;
    context.serverWhy = "The result server is not part of this build";
    EXPECT_EQ(StateOf(CommandId::AddVariable, context).why, kNotInThisBuild);
    EXPECT_EQ(StateOf(CommandId::ExternalSolver, context).why, context.serverWhy);
    EXPECT_FALSE(StateOf(CommandId::ViewExternalResults, context).enabled);
    // Commands the windows carry out themselves do not depend on a provider.
    EXPECT_TRUE(StateOf(CommandId::FirstSolution, context).enabled);
    EXPECT_TRUE(StateOf(CommandId::SaveResults, context).enabled);
}

TEST(CommandTable, EveryCommandHasAWhatsThisLineOfItsOwn) {
    std::map<std::string, const char*> seen;
    for (const CommandInfo& info : Commands()) {
        const std::string line = WhatsThisOf(info.id);
        EXPECT_GT(line.size(), 10u) << info.text;
        const auto [at, fresh] = seen.emplace(line, info.text);
        EXPECT_TRUE(fresh) << info.text << " and " << at->second << " share their line";
    }
}
