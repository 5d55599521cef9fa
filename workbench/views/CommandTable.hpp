#pragma once
// Every menu, toolbar and pop-up command of the workbench with its text and its enabling rule.
// A rule is a pure function of a snapshot of the document's state (CommandContext), so the
// windows only ask the table and one test walks all of it.

#include "workbench/SolveSettings.hpp"

#include <set>
#include <span>
#include <string>

namespace TavWorkbench {

class CTavDoc;

enum class CommandId : int {
    // File
    FileNew = 57600,
    FileOpen = 57601,
    FileSave = 57603,
    FileSaveAs = 57604,
    FilePrint = 57607,
    FilePrintPreview = 57609,
    PrintModel = 32833,
    PrintModelPreview = 32834,
    AppExit = 57665,
    // Edit
    EditCopy = 57634,
    DeleteUnusedDomains = 32801,
    PrinterFont = 32820,
    // View
    ViewNormal = 32794,
    ViewGrid = 32795,
    ViewStatistics = 32819,
    ViewExternalResults = 32831,
    // Add
    AddVariable = 32771,
    AddDomain = 32772,
    AddConstraint = 32773,
    AddIntegerConstant = 32802,
    AddSetListConstant = 32803,
    AddOptimisation = 32812,
    RemoveOptimisation = 32813,
    GetDataFromExcel = 32832,
    // Tools
    FirstSolution = 32781,
    AllSolutions = 32782,
    StopSolving = 32783,
    NumberOfSolutions = 32784,
    UseTemplate = 32785,
    AddTotal = 32800,
    ProblemWizard = 32809,
    PlayDemo = 32811,
    LinearWizard = 32814,
    TransportationWizard = 32815,
    AssignmentWizard = 32816,
    // Stepping through the solutions (toolbar)
    GoLastSolution = 32796,
    GoNextSolution = 32797,
    GoPreviousSolution = 32798,
    GoFirstSolution = 32799,
    SolutionCost = 32818,
    // Options
    SolverGFC = 32807,
    SolverGLS = 32808,
    SolverGLS2 = 32824,
    SolverGA = 32825,
    SolverTabu = 32826,
    SolverExpert = 32829,
    SetParameters = 32827,
    SaveParameters = 32828,
    SearchTime = 32817,
    SaveResults = 32822,
    ExternalSolver = 32830,
    // Help
    About = 57664,
    ContextHelp = 57669,
    Help = 57670,
    HelpTopics = 57667,
    DefaultHelp = 57671,
    // The tree's pop-up menu: the actions on the right-clicked object
    EditConstant = 32804,
    DeleteConstant = 32805,
    CloneVariable = 32840,
    EditVariable = 32841,
    DeleteVariable = 32842,
    EditDomain = 32843,
    DeleteDomain = 32844,
    EditConstraint = 32845,
    DeleteConstraint = 32846,
};

// Who carries a command out besides the windows themselves.
enum class CommandNeeds {
    Nothing,
    // A dialog, wizard or template that a registered provider supplies.
    Provider,
    // The result server with a connected external solver program.
    Server,
};

// The state the rules read: the document, the results view and the frame.
struct CommandContext {
    bool running = false;      // a solve's run exists
    bool solverExists = false; // a solver object exists
    bool solverSolved = false; // ... and reports itself solved
    bool hasVariables = false;
    bool hasConstraints = false;
    bool hasOptimisation = false;
    SolverSetting solverSetting = SolverSetting::CompleteSearch;
    int records = 0;              // columns of the solution store
    int solutions = 0;            // solutions in the store (the longest column)
    bool gridMode = false;        // the results view shows the grid
    int currentSolution = 0;      // the solution the list shows, from 0
    bool serverRunning = false;   // the result server listens
    std::string serverWhy;        // why it does not, when it does not
    int connectedSolvers = 0;     // external solver programs connected
    std::set<CommandId> provided; // commands a registered provider carries out
};

struct CommandState {
    bool enabled = true;
    bool checked = false;
    // Why a disabled command cannot run, when the reason is not the document's state.
    std::string why;
};

struct CommandInfo {
    CommandId id;
    // The menu path ("&Tools/&First Solution", "\t" before the shortcut) or, for a toolbar
    // command, its prompt and tip ("Move to first solution\nFirst Solution").
    const char* text;
    // The status-bar prompt of a menu command; empty when the text carries it.
    const char* prompt;
    CommandNeeds needs;
    CommandState (*rule)(const CommandContext&);
};

// The whole table, in menu order.
std::span<const CommandInfo> Commands();
// The entry of `id`; throws Platform::InternalError for an id not in the table.
const CommandInfo& CommandInfoOf(CommandId id);
// Applies the entry's rule and its need (a provider, the server) to `context`.
CommandState StateOf(CommandId id, const CommandContext& context);
// What the command does, in one line of its own, as What's This shows it; throws
// Platform::InternalError for an id without one.
const char* WhatsThisOf(CommandId id);

// The document's part of the context (the store read under its lock).
CommandContext DocumentContext(const CTavDoc& doc);

// Why a command waits for a provider that this build does not register.
inline constexpr const char* kNotInThisBuild = "Not available in this build";

} // namespace TavWorkbench
