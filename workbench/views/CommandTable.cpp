#include "workbench/views/CommandTable.hpp"

#include "platform/FatalError.hpp"
#include "workbench/CTavDoc.hpp"

#include <algorithm>
#include <array>
#include <utility>

namespace TavWorkbench {

namespace {

using C = CommandContext;
using S = CommandState;

S Always(const C&) {
    return {};
}
S Enabled(bool enabled) {
    S state;
    state.enabled = enabled;
    return state;
}
S NotRunning(const C& c) {
    return Enabled(!c.running);
}
S Running(const C& c) {
    return Enabled(c.running);
}
// The solve commands need something to solve and no solve under way.
S Solvable(const C& c) {
    return Enabled((c.hasConstraints || c.hasOptimisation) && !c.running);
}
S NeedsVariables(const C& c) {
    return Enabled(c.hasVariables);
}
S HasOptimisation(const C& c) {
    return Enabled(c.hasOptimisation);
}
template <SolverSetting setting> S SettingIs(const C& c) {
    S state;
    state.checked = c.solverSetting == setting;
    return state;
}
S ListMode(const C& c) {
    return Enabled(!c.gridMode);
}
S GridMode(const C& c) {
    return Enabled(c.gridMode);
}
bool CanStep(const C& c) {
    return !c.gridMode && !c.running && c.records >= 1;
}
S CanGoFirst(const C& c) {
    return Enabled(CanStep(c) && c.currentSolution > 0);
}
S CanGoPrevious(const C& c) {
    return Enabled(CanStep(c) && c.currentSolution >= 1);
}
S CanGoOn(const C& c) {
    return Enabled(CanStep(c) && c.currentSolution < c.solutions - 1);
}
S CanAddTotal(const C& c) {
    return Enabled(c.gridMode && !c.running && c.records >= 1);
}
S CanCopy(const C& c) {
    return Enabled(c.gridMode && !c.running);
}
S CanPrint(const C& c) {
    return Enabled(!c.running && c.records >= 1);
}
S NoSolver(const C& c) {
    return Enabled(!c.solverExists);
}
S HasResults(const C& c) {
    return Enabled(c.records > 0);
}
S Solved(const C& c) {
    return Enabled(c.solverExists && c.solverSolved);
}
S Connected(const C& c) {
    return Enabled(c.connectedSolvers > 0);
}

constexpr CommandNeeds N = CommandNeeds::Nothing;
constexpr CommandNeeds P = CommandNeeds::Provider;
constexpr CommandNeeds Srv = CommandNeeds::Server;

constexpr std::array kCommands = {
    CommandInfo{CommandId::FileNew, "&File/&New\tCtrl+N", "Create a new document", N, Always},
    CommandInfo{CommandId::FileOpen, "&File/&Open...\tCtrl+O", "Open an existing document", N, Always},
    CommandInfo{CommandId::FileSave, "&File/&Save\tCtrl+S", "Save the active document", N, Always},
    CommandInfo{CommandId::FileSaveAs, "&File/Save &As...", "Save the active document with a new name", N,
                Always},
    CommandInfo{CommandId::FilePrint, "&File/&Print Results...\tCtrl+P", "Print the results", N, CanPrint},
    CommandInfo{CommandId::FilePrintPreview, "&File/Results Print Pre&view", "Display the results' pages", N,
                CanPrint},
    CommandInfo{CommandId::PrintModel, "&File/Print &Model...", "Print the problem model", P, NotRunning},
    CommandInfo{CommandId::PrintModelPreview, "&File/Model Print Previe&w",
                "Display the problem model's pages", P, NotRunning},
    CommandInfo{CommandId::AppExit, "&File/E&xit\tCtrl+Q", "Quit the application", N, Always},

    CommandInfo{CommandId::EditCopy, "&Edit/&Copy\tCtrl+C", "Copy the selected grid cells", N, CanCopy},
    CommandInfo{CommandId::DeleteUnusedDomains, "&Edit/Delete &Unused Domains", "", P, Always},
    CommandInfo{CommandId::PrinterFont, "&Edit/Printer &Font", "Change font for printing", N, Always},

    CommandInfo{CommandId::ViewNormal, "&View/&Normal", "Normal results display", N, GridMode},
    CommandInfo{CommandId::ViewGrid, "&View/&Grid", "Display results in a grid", N, ListMode},
    CommandInfo{CommandId::ViewStatistics, "&View/Statistics", "Show the solver's statistics", P, Always},
    CommandInfo{CommandId::ViewExternalResults, "&View/&External Results",
                "Show the solutions of an external solver", Srv, Connected},

    CommandInfo{CommandId::AddVariable, "&Add/&Variable", "", P, Always},
    CommandInfo{CommandId::AddDomain, "&Add/&Domain", "", P, Always},
    CommandInfo{CommandId::AddIntegerConstant, "&Add/Integer Consta&nt", "", P, Always},
    CommandInfo{CommandId::AddSetListConstant, "&Add/&Set/List Constants", "", P, Always},
    CommandInfo{CommandId::AddConstraint, "&Add/&Constraint", "", P, NeedsVariables},
    CommandInfo{CommandId::AddOptimisation, "&Add/&Optimization", "", P, NeedsVariables},
    CommandInfo{CommandId::RemoveOptimisation, "&Add/&Remove Optimization", "", P, HasOptimisation},
    CommandInfo{CommandId::GetDataFromExcel, "&Add/Get Data from &Excel",
                "Import a block of spreadsheet cells as a list constant", P, NotRunning},

    CommandInfo{CommandId::FirstSolution, "&Tools/&First Solution\tF5", "Solve for one solution", N,
                Solvable},
    CommandInfo{CommandId::AllSolutions, "&Tools/&All Solutions", "Solve for every solution", N, Solvable},
    CommandInfo{CommandId::NumberOfSolutions, "&Tools/&Number of Solutions...",
                "Solve for a number of solutions", P, Solvable},
    CommandInfo{CommandId::StopSolving, "&Tools/Stop\tShift+F5", "Stop the search", N, Running},
    CommandInfo{CommandId::AddTotal, "&Tools/Add &Total", "Total selected grid columns", P, CanAddTotal},
    CommandInfo{CommandId::ProblemWizard, "&Tools/Tav &Wizard...", "State a new problem step by step", P,
                NotRunning},
    CommandInfo{CommandId::LinearWizard, "&Tools/LP Wizards/Linear Wizard", "", P, NotRunning},
    CommandInfo{CommandId::TransportationWizard, "&Tools/LP Wizards/Transportation", "", P, NotRunning},
    CommandInfo{CommandId::AssignmentWizard, "&Tools/LP Wizards/Assignment", "", P, NotRunning},
    CommandInfo{CommandId::PlayDemo, "&Tools/Play Demo", "", N, Always},
    CommandInfo{CommandId::UseTemplate, "Select a modifiable problem template\nUse Template", "", P,
                NotRunning},

    CommandInfo{CommandId::GoFirstSolution, "Move to first solution\nFirst Solution", "", N, CanGoFirst},
    CommandInfo{CommandId::GoPreviousSolution, "Move to previous solution\nPrevious Solution", "", N,
                CanGoPrevious},
    CommandInfo{CommandId::GoNextSolution, "Move to next solution\nNext Solution", "", N, CanGoOn},
    CommandInfo{CommandId::GoLastSolution, "Move to last solution\nLastSolution", "", N, CanGoOn},
    CommandInfo{CommandId::SolutionCost, "\nSolution cost", "", N, Solved},

    CommandInfo{CommandId::SolverGFC, "&Options/G&FC Solver", "", N,
                SettingIs<SolverSetting::CompleteSearch>},
    CommandInfo{CommandId::SolverGLS, "&Options/G&LS Solver", "", N,
                SettingIs<SolverSetting::GuidedLocalSearch>},
    CommandInfo{CommandId::SolverGLS2, "&Options/G&LS Solver (Ver. 2)", "", N,
                SettingIs<SolverSetting::GuidedLocalSearch2>},
    CommandInfo{CommandId::SolverGA, "&Options/G&A Solver", "", N,
                SettingIs<SolverSetting::GeneticAlgorithm>},
    CommandInfo{CommandId::SolverTabu, "&Options/&Tabu Solver", "", N, SettingIs<SolverSetting::TabuSearch>},
    CommandInfo{CommandId::SolverExpert, "&Options/&Expert Solver", "", N, SettingIs<SolverSetting::Expert>},
    CommandInfo{CommandId::SetParameters, "&Options/Set Para&meters...", "", P, NoSolver},
    CommandInfo{CommandId::SaveParameters, "&Options/Sa&ve Parameters", "", N, Always},
    CommandInfo{CommandId::SearchTime, "&Options/Search &Time...", "", P, NotRunning},
    CommandInfo{CommandId::SaveResults, "&Options/Save &Results...", "", N, HasResults},
    CommandInfo{CommandId::ExternalSolver, "&Options/E&xternal Solver",
                "Send the problem to an external solver", Srv, Connected},

    CommandInfo{CommandId::HelpTopics, "&Help/&Help Topics\tF1", "List Help topics", N, Always},
    CommandInfo{CommandId::ContextHelp, "&Help/What's &This?\tShift+F1",
                "Display help for clicked on buttons, menus and windows", N, Always},
    CommandInfo{CommandId::About, "&Help/&About Tav...", "Display program information", N, Always},
    // F1 and the guide's start: no menu entry of their own.
    CommandInfo{CommandId::Help, "Display help for current task or command\nHelp", "", N, Always},
    CommandInfo{CommandId::DefaultHelp, "Display the user's guide\nHelp", "", N, Always},

    CommandInfo{CommandId::CloneVariable, "Actions/Clone Variable", "", P, Always},
    CommandInfo{CommandId::EditVariable, "Actions/Edit Variable", "", P, Always},
    CommandInfo{CommandId::DeleteVariable, "Actions/Delete Variable", "", P, Always},
    CommandInfo{CommandId::EditDomain, "Actions/Edit Domain", "", P, Always},
    CommandInfo{CommandId::DeleteDomain, "Actions/Delete Domain", "", P, Always},
    CommandInfo{CommandId::EditConstraint, "Actions/Edit Constraint", "", P, Always},
    CommandInfo{CommandId::DeleteConstraint, "Actions/Delete Constraint", "", P, Always},
    CommandInfo{CommandId::EditConstant, "Actions/Edit Constant", "", P, Always},
    CommandInfo{CommandId::DeleteConstant, "Actions/Delete Constant", "", P, Always},
};

// What's This for each command: what it does, in a line a user reads when asking about it.
constexpr std::array<std::pair<CommandId, const char*>, kCommands.size()> kWhatsThis = {{
    {CommandId::FileNew, "Starts a new, empty problem (asks first whether to save a changed one)."},
    {CommandId::FileOpen, "Opens a problem saved as a .tav document."},
    {CommandId::FileSave, "Saves the problem in its .tav document (asks for a name the first time)."},
    {CommandId::FileSaveAs, "Saves the problem under a new name and goes on with that document."},
    {CommandId::FilePrint, "Prints the solutions found, a block of solutions side by side per page."},
    {CommandId::FilePrintPreview, "Shows the printed pages of the solutions before printing them."},
    {CommandId::PrintModel, "Prints the problem itself: its domains, variables, constants and constraints."},
    {CommandId::PrintModelPreview, "Shows the printed pages of the problem's listing before printing them."},
    {CommandId::AppExit, "Ends Tav (asks first whether to save a changed problem)."},
    {CommandId::EditCopy, "Copies the selected grid cells (or the whole grid) as tab-separated text."},
    {CommandId::DeleteUnusedDomains,
     "Removes every domain that no variable uses (the Boolean domain stays)."},
    {CommandId::PrinterFont, "Chooses the font in which the solutions are printed."},
    {CommandId::ViewNormal, "Shows the solutions one at a time as a list of variables and values."},
    {CommandId::ViewGrid,
     "Shows all solutions at once in a grid: one row per variable, one column per solution."},
    {CommandId::ViewStatistics, "Opens the window with the last solve's statistics (nodes, checks, times)."},
    {CommandId::ViewExternalResults,
     "Lists the solutions external solver programs have sent; pick one set to show it."},
    {CommandId::AddVariable, "Adds a variable (or an array of variables) over one of the domains."},
    {CommandId::AddDomain,
     "Adds a domain: the set of values variables may take (integer, set, enumerated, float)."},
    {CommandId::AddIntegerConstant, "Adds a named whole number that domains and constraints can use."},
    {CommandId::AddSetListConstant,
     "Adds a named set, list or string list of values for constraints to use."},
    {CommandId::AddConstraint, "Opens the constraint builder to write a constraint over the variables."},
    {CommandId::AddOptimisation, "States the expression to minimise or maximise (one per problem)."},
    {CommandId::RemoveOptimisation, "Removes the problem's Minimise or Maximise target."},
    {CommandId::GetDataFromExcel,
     "Imports a block of spreadsheet cells (clipboard or CSV file) as a list constant."},
    {CommandId::FirstSolution, "Solves the problem with the chosen solver until it has one solution."},
    {CommandId::AllSolutions, "Solves the problem until the solver has no more solutions or the time is up."},
    {CommandId::NumberOfSolutions, "Asks how many solutions you want, then solves for that many."},
    {CommandId::StopSolving, "Stops the running solve (after asking); the solutions found so far stay."},
    {CommandId::AddTotal, "Adds a Total row to the grid that sums the rows you choose for each solution."},
    {CommandId::ProblemWizard, "States a new problem step by step: domains, variables, constraints, a name."},
    {CommandId::LinearWizard, "Builds a linear programme from its variables, objective and constraints."},
    {CommandId::TransportationWizard,
     "Builds a transportation problem from supplies, demands and unit costs."},
    {CommandId::AssignmentWizard, "Builds an assignment problem: each candidate to one post at least cost."},
    {CommandId::PlayDemo, "A demonstration is not part of this version: it only says so."},
    {CommandId::UseTemplate,
     "Builds a ready-made problem (queens, salesman, nurses, bins) from a few answers."},
    {CommandId::GoFirstSolution, "Shows the first solution in the list view."},
    {CommandId::GoPreviousSolution, "Shows the solution before the one in the list view."},
    {CommandId::GoNextSolution, "Shows the solution after the one in the list view."},
    {CommandId::GoLastSolution, "Shows the last solution found in the list view."},
    {CommandId::SolutionCost,
     "Lights up when the solver has solved the problem; the cost is in the results."},
    {CommandId::SolverGFC,
     "Solves by complete search (forward checking): finds every solution or proves none."},
    {CommandId::SolverGLS, "Solves by guided local search: fast on large problems, proves nothing."},
    {CommandId::SolverGLS2, "Solves by the graph-based version of guided local search."},
    {CommandId::SolverGA,
     "Solves by a genetic algorithm: a population of assignments bred over generations."},
    {CommandId::SolverTabu, "Solves by tabu search: local moves, with recent moves forbidden for a while."},
    {CommandId::SolverExpert,
     "Runs complete search first, then the local searches in turn, learning which succeed."},
    {CommandId::SetParameters, "Sets the parameters of the chosen solver (for this session until saved)."},
    {CommandId::SaveParameters, "Writes the solvers' parameters to Params.ini for the next sessions."},
    {CommandId::SearchTime, "Sets how many minutes a solve may run before Tav asks whether to stop it."},
    {CommandId::SaveResults, "Saves the solutions to a comma-separated file, one line per variable."},
    {CommandId::ExternalSolver, "Sends the problem to a connected external solver program such as Melvane."},
    {CommandId::HelpTopics, "Opens the user's guide at its contents."},
    {CommandId::ContextHelp,
     "Turns the pointer into a question mark: click a button, menu item or field to learn what it does."},
    {CommandId::About, "Shows Tav's version."},
    {CommandId::Help, "Opens the user's guide at the section of the window or dialog you are in (F1)."},
    {CommandId::DefaultHelp, "Opens the user's guide at its first page."},
    {CommandId::CloneVariable, "Adds a copy of this variable under a new name."},
    {CommandId::EditVariable, "Changes this variable's name, domain or array dimensions."},
    {CommandId::DeleteVariable, "Removes this variable (after asking; refused while a constraint uses it)."},
    {CommandId::EditDomain, "Changes this domain's name or values."},
    {CommandId::DeleteDomain, "Removes this domain (after asking; refused while a variable uses it)."},
    {CommandId::EditConstraint, "Opens this constraint in the constraint builder."},
    {CommandId::DeleteConstraint, "Removes this constraint (after asking)."},
    {CommandId::EditConstant, "Changes this constant's value."},
    {CommandId::DeleteConstant, "Removes this constant (refused while the problem uses it)."},
}};

} // namespace

std::span<const CommandInfo> Commands() {
    return kCommands;
}

const CommandInfo& CommandInfoOf(CommandId id) {
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                    [id](const CommandInfo& info) { return info.id == id; });
    if (found == kCommands.end())
        throw Platform::InternalError("no command " + std::to_string(static_cast<int>(id)));
    return *found;
}

CommandState StateOf(CommandId id, const CommandContext& context) {
    const CommandInfo& info = CommandInfoOf(id);
    CommandState state = info.rule(context);
    switch (info.needs) {
    case CommandNeeds::Nothing:
        break;
    case CommandNeeds::Provider:
        if (!context.provided.contains(id)) {
            state.enabled = false;
            state.why = kNotInThisBuild;
        }
        break;
    case CommandNeeds::Server:
        if (!context.serverRunning) {
            state.enabled = false;
            state.why = context.serverWhy;
        }
        break;
    }
    return state;
}

const char* WhatsThisOf(CommandId id) {
    for (const auto& [command, line] : kWhatsThis)
        if (command == id) return line;
    throw Platform::InternalError("no What's This line for command " + std::to_string(static_cast<int>(id)));
}

CommandContext DocumentContext(const CTavDoc& doc) {
    CommandContext context;
    const TavModel& model = doc.GetModel();
    context.running = doc.IsSolving();
    const TavLanguage::RawSolver* solver = doc.GetSolver();
    context.solverExists = solver != nullptr;
    context.solverSolved = solver != nullptr && solver->IsSolved();
    context.hasVariables = !model.variables.IsEmpty();
    context.hasConstraints = !model.constraints.IsEmpty();
    context.hasOptimisation = !model.optimisation.empty();
    context.solverSetting = doc.GetSolverSetting();
    const auto lock = doc.LockSolutions();
    const CSolutionArray& store = doc.GetSolutions();
    context.records = store.GetSize();
    for (const auto& column : store)
        context.solutions = std::max(context.solutions, column->GetCount());
    return context;
}

} // namespace TavWorkbench
