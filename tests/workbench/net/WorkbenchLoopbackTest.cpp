// The external solvers' road end to end on 127.0.0.1 over the workbench itself: its document,
// its main frame (offscreen) and the result server inside it, a client model in this process
// as Master and a real melvane process as Slave. Every edit of the problem that the frame makes
// reaches the programs as the problem-changed notice; a command that changes nothing does not.
// Solutions in the workbench's store are checked against its problem by the raw evaluator.

#include "../ExampleDocs.hpp"
#include "../TempFolder.hpp"
#include "../ui/ScriptedPrompts.hpp"
#include "tests/extsolver/EventLoopWait.hpp"

#include "extsolver/CMelvaneApp.hpp"
#include "workbench/CTavDoc.hpp"
#include "workbench/app/ResultServerHost.hpp"
#include "workbench/ui/ActionProviders.hpp"
#include "workbench/ui/CDavView.hpp"
#include "workbench/ui/CMainFrame.hpp"
#include "workbench/ui/CSplashWnd.hpp"
#include "workbench/ui/ElementActions.hpp"

#include "bridges/RawEvaluator.hpp"
#include "language/RawParser.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawSolution.hpp"

#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <unistd.h>

using namespace TavLanguage;
using namespace TavWorkbench;
using Melvane::CMelvaneApp;
using Melvane::MelvaneButton;
using TavNet::ExternalSolverServer;
using TavTest::WaitFor;

namespace {

// Carries out the element commands it is given as edits of the document, as their dialogs
// would once the user pressed OK; a command given no edit is a dialog left with Cancel. In the
// external solvers list it chooses the program numbered `chosenUser`, if listed.
class EditProvider : public Ui::ElementActions {
public:
    using Edit = std::function<void(TavModel&)>;
    bool Provides(CommandId id) const override { return kServed.contains(id); }
    void Run(CommandId id, Ui::ActionContext& context) override {
        if (next) {
            EXPECT_EQ(id, nextFor);
            next(context.doc.GetModel());
            next = {};
        }
    }
    std::optional<int>
    ChooseExternalSolver(QWidget*, const std::vector<std::pair<std::string, int>>& programs) override {
        for (const auto& [name, number] : programs)
            if (number == chosenUser) return number;
        return std::nullopt;
    }
    Edit next;
    CommandId nextFor{};
    int chosenUser = 0;

private:
    inline static const std::set<CommandId> kServed = {
        CommandId::AddDomain,      CommandId::AddVariable,         CommandId::AddIntegerConstant,
        CommandId::AddConstraint,  CommandId::AddOptimisation,     CommandId::RemoveOptimisation,
        CommandId::SetParameters,  CommandId::EditDomain,          CommandId::DeleteDomain,
        CommandId::EditVariable,   CommandId::DeleteVariable,      CommandId::EditConstant,
        CommandId::DeleteConstant, CommandId::EditConstraint,      CommandId::DeleteConstraint,
        CommandId::ExternalSolver, CommandId::ViewExternalResults,
    };
};

// The workbench as CTavApp puts it together, over a document of its own settings folder.
struct Workbench {
    TempFolder folder;
    ScriptedPrompts prompts;
    Ui::ActionProviders providers;
    EditProvider* edits = nullptr;
    CTavDoc doc{&prompts, folder.Path()};
    std::unique_ptr<App::ResultServerHost> host;
    std::unique_ptr<Ui::CMainFrame> frame;

    explicit Workbench(const std::function<void(TavModel&)>& problem) {
        Ui::CSplashWnd::EnableSplashScreen(false);
        auto provider = std::make_unique<EditProvider>();
        edits = provider.get();
        providers.Add(std::move(provider));
        doc.OnNewDocument();
        problem(doc.GetModel());
        host = std::make_unique<App::ResultServerHost>(doc, prompts, providers);
        frame = std::make_unique<Ui::CMainFrame>(doc, prompts, providers, nullptr, host.get());
        host->SetViews(frame.get());
        QObject::connect(frame.get(), &Ui::CMainFrame::ProblemChanged, host.get(),
                         &App::ResultServerHost::ProblemChanged);
    }
    ~Workbench() {
        host->SetViews(nullptr);
        frame.reset();
        host.reset();
    }

    ExternalSolverServer& Server() { return host->Server(); }

    // Listens on a port that melvane's port field takes (at most 9999).
    bool Start() {
        const int span = 9999 - 2000 + 1;
        const int start = static_cast<int>((::getpid() * 6007u + 1543u) % span);
        for (int i = 0; i < span; ++i)
            if (host->Start(2000 + (start + i) % span)) return true;
        return false;
    }

    // An element command carried out as `edit`, from the menu or from the tree's pop-up menu.
    void Command(CommandId id, EditProvider::Edit edit, bool fromTree = false) {
        edits->next = std::move(edit);
        edits->nextFor = id;
        if (fromTree)
            frame->TreeView().RunElementCommand(id);
        else
            EXPECT_TRUE(frame->OnCommand(id)) << static_cast<int>(id);
        EXPECT_FALSE(edits->next) << "command " << static_cast<int>(id) << " did not run";
    }

    // Shows the solutions of program `number` in the results with View/External Results.
    void ShowSolutionsOf(int number) {
        edits->chosenUser = number;
        EXPECT_TRUE(frame->OnCommand(CommandId::ViewExternalResults));
    }
    // Sends the problem to program `number` with Options/External Solver.
    void SendProblemTo(int number) {
        edits->chosenUser = number;
        EXPECT_TRUE(frame->OnCommand(CommandId::ExternalSolver));
    }

    // The store's column `name` (empty when there is none).
    std::vector<std::string> Column(const std::string& name) {
        auto lock = doc.LockSolutions();
        const CSolutionArray& store = doc.GetSolutions();
        for (int i = 0; i < store.GetSize(); ++i)
            if (store[i]->GetID() == name) return store[i]->GetValues();
        return {};
    }

    // Every row of the store checked against the document's problem by the raw evaluator: the
    // evaluations, or none when a row is missing a value or does not hold.
    std::optional<std::vector<TavBridges::RawEvaluation>> CheckedRows() {
        RawCSP problem;
        ParserInfo info;
        if (!ParseCSPText(doc.GetProblemText(), &info, &problem).IsOk()) return std::nullopt;
        std::map<std::string, std::vector<std::string>> columns;
        for (const auto& variable : problem.GetVariables())
            columns[variable->GetName()] = Column(variable->GetName());
        const std::size_t rows = columns.begin()->second.size();
        std::vector<TavBridges::RawEvaluation> checked;
        for (std::size_t r = 0; r < rows; ++r) {
            RawSolution solution;
            for (const auto& variable : problem.GetVariables()) {
                const auto& values = columns[variable->GetName()];
                if (values.size() != rows) return std::nullopt;
                solution.AddLabel(RawLabel(variable->GetName(), RPtr<RawExpr>(new RawInt(std::stoi(values[r])))));
            }
            checked.push_back(TavBridges::RawEvaluator(problem).Evaluate(solution));
            if (!checked.back().feasible) return std::nullopt;
        }
        return checked;
    }
};

int LogCount(const CMelvaneApp& app, const std::string& line) {
    return static_cast<int>(std::count(app.Dialog().Log().begin(), app.Dialog().Log().end(), line));
}

bool LogHas(const CMelvaneApp& app, const std::string& line) {
    return LogCount(app, line) > 0;
}

// A client model in this process, connected to the workbench and registered.
bool ConnectProgram(CMelvaneApp& app, Workbench& bench, const std::string& runs = "3") {
    app.Dialog().serverName = "127.0.0.1";
    app.Dialog().port = std::to_string(bench.host->Port());
    app.Dialog().solutions = runs;
    return app.OnConnect() && WaitFor([&] { return LogHas(app, app.Dialog().solverName + " registered with server!\n"); });
}

// Reads, solves and sends as a Master; true when the workbench took the solutions.
bool MasterRound(CMelvaneApp& app, ExternalSolverServer& server, int number) {
    app.OnReadProblem();
    if (!WaitFor([&] { return app.Dialog().IsEnabled(MelvaneButton::Solve); })) return false;
    bool finished = false;
    auto connection = QObject::connect(&app, &CMelvaneApp::solveFinished, [&] { finished = true; });
    const bool started = app.OnSolveProblem();
    const bool done = started && WaitFor([&] { return finished; });
    QObject::disconnect(connection);
    if (!done) return false;
    app.OnSendSolutions();
    return WaitFor([&] {
        std::string text;
        server.GetUserSolutions(number, text);
        return server.HasSolutions(number) && text == app.Dialog().SolutionsText();
    });
}

// Everything the workbench sent before now has reached the program: a line of text goes round
// through the server and comes back after it.
void Settle(CMelvaneApp& app, int number) {
    static int round = 0;
    const std::string line = "settle " + std::to_string(++round);
    TavNet::CMessage text(TavNet::MessageType::TextLine);
    text.SetString(0, line);
    ASSERT_TRUE(app.Send(text));
    ASSERT_TRUE(WaitFor([&] { return LogHas(app, "[User#" + std::to_string(number) + "] " + line); }));
}

const std::string kNewProblem = "Server has new problem!\n";

TEST(WorkbenchLoopback, EveryEditOfTheProblemReachesTheProgramsAndNothingElseDoes) {
    Workbench bench([](TavModel& model) { ExampleDocs::Queens(model, 6); });
    const std::filesystem::path saved = bench.folder.Path() / "queens5.tav";
    {
        CTavDoc other(&bench.prompts, bench.folder.Path());
        other.OnNewDocument();
        ExampleDocs::Queens(other.GetModel(), 5);
        other.OnSaveDocument(saved);
    }
    ASSERT_TRUE(bench.Start()) << bench.host->WhyNotRunning();
    CMelvaneApp program("localhost");
    ASSERT_TRUE(ConnectProgram(program, bench));
    ASSERT_TRUE(MasterRound(program, bench.Server(), 1));

    struct Step {
        const char* what;
        CommandId id;
        EditProvider::Edit edit;
        bool changes;
        bool fromTree = false;
    };
    const std::vector<Step> steps = {
        {"solver parameters", CommandId::SetParameters, [](TavModel&) {}, false},
        {"a dialog cancelled", CommandId::AddVariable, [](TavModel&) {}, false},
        {"add a domain", CommandId::AddDomain,
         [](TavModel& m) { m.domains.AddIntDomain("Spare", "", "", "", 0, 3, {}, 0, 0); }, true},
        {"add a variable", CommandId::AddVariable,
         [](TavModel& m) { m.variables.AddVariable("extra", CVariable::Type::IntVar, "Spare", 0, "", {}); },
         true},
        {"add a constant", CommandId::AddIntegerConstant,
         [](TavModel& m) { m.constants.Add(std::make_unique<CConstant>("K", 2)); }, true},
        {"add a constraint", CommandId::AddConstraint,
         [](TavModel& m) { m.constraints.Add(std::make_unique<CConstraint>("rule", "extra <> K;")); }, true},
        {"edit a constraint", CommandId::EditConstraint,
         [](TavModel& m) {
             m.constraints.ReplaceAt(m.constraints.GetSize() - 1,
                                     std::make_unique<CConstraint>("rule", "extra <> 1;"));
         },
         true, true},
        {"edit a constant", CommandId::EditConstant,
         [](TavModel& m) { m.constants.ReplaceAt(1, std::make_unique<CConstant>("K", 3)); }, true, true},
        {"edit a domain", CommandId::EditDomain,
         [](TavModel& m) {
             m.domains.RemoveAt(m.domains.GetSize() - 1);
             m.domains.AddIntDomain("Spare", "", "", "", 0, 4, {}, 0, 0);
         },
         true, true},
        {"edit a variable", CommandId::EditVariable,
         [](TavModel& m) {
             m.variables.RemoveAt(1);
             m.variables.AddVariable("extra", CVariable::Type::IntVar, "Rows", 0, "", {});
         },
         true, true},
        {"add the optimisation", CommandId::AddOptimisation,
         [](TavModel& m) { m.optimisation = {"minimise(extra);"}; }, true},
        {"remove the optimisation", CommandId::RemoveOptimisation,
         [](TavModel& m) { m.optimisation.clear(); }, true},
        {"delete a constraint", CommandId::DeleteConstraint,
         [](TavModel& m) { m.constraints.RemoveAt(m.constraints.GetSize() - 1); }, true, true},
        {"delete a variable", CommandId::DeleteVariable, [](TavModel& m) { m.variables.RemoveAt(1); }, true, true},
        {"delete a constant", CommandId::DeleteConstant, [](TavModel& m) { m.constants.RemoveAt(1); }, true, true},
        {"delete a domain", CommandId::DeleteDomain,
         [](TavModel& m) { m.domains.RemoveAt(m.domains.GetSize() - 1); }, true, true},
    };
    int notices = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const bool heldBefore = bench.Server().HasSolutions(1);
        bench.Command(step.id, step.edit, step.fromTree);
        Settle(program, 1);
        notices += step.changes ? 1 : 0;
        EXPECT_EQ(LogCount(program, kNewProblem), notices);
        EXPECT_EQ(bench.Server().HasSolutions(1), step.changes ? false : heldBefore);
    }

    // A new document and an opened one are new problems too.
    bench.frame->OnCommand(CommandId::FileNew);
    Settle(program, 1);
    EXPECT_EQ(LogCount(program, kNewProblem), ++notices);
    bench.prompts.openFile = saved;
    bench.frame->OnCommand(CommandId::FileOpen);
    Settle(program, 1);
    EXPECT_EQ(LogCount(program, kNewProblem), ++notices);

    // And the program reads the opened problem: 5 queens.
    ASSERT_TRUE(MasterRound(program, bench.Server(), 1));
    bench.ShowSolutionsOf(1);
    const auto rows = bench.CheckedRows();
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->size(), 3u);
    EXPECT_EQ(bench.Column("q[4]").size(), 3u);
}

TEST(WorkbenchLoopback, CostAndSoftCostMeanTheSameInMelvaneAndInTheWorkbench) {
    // Soft wishes and a maximised target: the cost is the target's own value (positive here),
    // the soft cost the weights of the broken wishes, in melvane's text and in the columns.
    Workbench bench([](TavModel& m) {
        m.domains.AddIntDomain("slots", "", "", "", 1, 4, {}, 0, 0);
        for (const char* v : {"a", "b", "c", "d"})
            m.variables.AddVariable(v, CVariable::Type::IntVar, "slots", 0, "", {});
        const char* rules[][2] = {{"diff", "alldifferent([a, b, c, d]);"}, {"w1", "soft(a < b, 3);"},
                                  {"w2", "soft(b < c, 2);"},               {"w3", "soft(d = 1, 4);"},
                                  {"w4", "soft(c < a, 5);"}};
        for (const auto& [id, text] : rules)
            m.constraints.Add(std::make_unique<CConstraint>(id, text));
        m.optimisation = {"maximise(a + d);"};
    });
    ASSERT_TRUE(bench.Start()) << bench.host->WhyNotRunning();
    CMelvaneApp program("localhost");
    ASSERT_TRUE(ConnectProgram(program, bench, "1"));
    // An optimisation run searches until stopped: stop it at its first best assignment.
    program.Dialog().onLog = [&](const std::string& line) {
        if (line.rfind("New best solution has cost:", 0) == 0) program.OnStopSolving();
    };
    ASSERT_TRUE(MasterRound(program, bench.Server(), 1));
    bench.ShowSolutionsOf(1);
    const auto rows = bench.CheckedRows();
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1u);
    const TavBridges::RawEvaluation& eval = rows->front();
    EXPECT_GT(eval.objective, 0);
    EXPECT_EQ(bench.Column("Cost"), std::vector<std::string>{std::to_string(static_cast<int>(eval.objective))});
    EXPECT_EQ(bench.Column("Soft Cost"), std::vector<std::string>{std::to_string(eval.softCost)});
    const std::string& sent = program.Dialog().SolutionsText();
    EXPECT_NE(sent.find("cost " + std::to_string(static_cast<int>(eval.objective)) + "\nsoft " +
                        std::to_string(eval.softCost) + "\n"),
              std::string::npos)
        << sent;
}

// Last: it starts a process, after which ThreadSanitizer loses track of this process's locks
// (a false report in whatever test comes next in the same run).
TEST(WorkbenchLoopback, TwoProgramsMasterAndSlaveThroughAProblemChangeAndAShutdown) {
    Workbench bench([](TavModel& model) { ExampleDocs::Queens(model, 8); });
    ASSERT_TRUE(bench.Start()) << bench.host->WhyNotRunning();
    ExternalSolverServer& server = bench.Server();

    // A program in this process, as Master: registration is broadcast.
    CMelvaneApp master("localhost");
    ASSERT_TRUE(ConnectProgram(master, bench));
    EXPECT_TRUE(LogHas(master, "* User#1 connected"));
    EXPECT_EQ(server.GetUserName(1), "GLS");

    ASSERT_TRUE(MasterRound(master, server, 1));
    bench.ShowSolutionsOf(1);
    auto rows = bench.CheckedRows();
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->size(), 3u);

    // A second program: a melvane process that connects at once and takes the Slave role.
    QProcess slave;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    slave.setProcessEnvironment(env);
    slave.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    slave.start(TAV_MELVANE_PATH, {"--server", "127.0.0.1", "--port", QString::number(bench.host->Port()),
                                   "--solver", "Second", "--solutions", "2", "--connect", "--slave"});
    ASSERT_TRUE(slave.waitForStarted());
    ASSERT_TRUE(WaitFor([&] { return server.GetUserName(2) == "Second" && server.IsSlave(2); }));
    EXPECT_TRUE(LogHas(master, "* User#2 connected"));
    EXPECT_TRUE(LogHas(master, "Second registered with server!\n"));

    // Options/External Solver pushes the problem; the slave solves and sends by itself.
    bench.SendProblemTo(2);
    ASSERT_TRUE(WaitFor([&] { return server.HasSolutions(2); }));
    bench.ShowSolutionsOf(2);
    rows = bench.CheckedRows();
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->size(), 2u);

    // The problem changes in the workbench: everyone hears it, old solutions are refused and
    // new ones taken.
    bench.Command(CommandId::EditConstant,
                  [](TavModel& m) { m.constants.ReplaceAt(0, std::make_unique<CConstant>("N", 6)); }, true);
    ASSERT_TRUE(WaitFor([&] { return LogHas(master, kNewProblem); }));
    EXPECT_FALSE(server.HasSolutions(1));
    EXPECT_FALSE(server.HasSolutions(2));
    const std::size_t notices = server.Notices().Entries().size();
    master.OnSendSolutions();
    ASSERT_TRUE(WaitFor([&] { return server.Notices().Entries().size() >= notices + 2; }));
    EXPECT_EQ(server.Notices().Entries().back(), "Solution(s) ignored.  Incorrect problem\n");
    EXPECT_FALSE(server.HasSolutions(1));
    ASSERT_TRUE(MasterRound(master, server, 1));
    bench.ShowSolutionsOf(1);
    rows = bench.CheckedRows();
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->size(), 3u);
    EXPECT_TRUE(bench.Column("q[6]").empty());
    // Nothing from the network opened a box.
    EXPECT_TRUE(bench.prompts.shown.empty());

    // A third program leaves with its goodbye message: the others hear of it once.
    CMelvaneApp third("localhost");
    ASSERT_TRUE(ConnectProgram(third, bench));
    ASSERT_TRUE(third.OnConnect());
    ASSERT_TRUE(WaitFor([&] { return LogHas(master, "* User#3 disconnected"); }));
    Settle(master, 1);
    EXPECT_EQ(LogCount(master, "* User#3 disconnected"), 1);
    EXPECT_EQ(server.GetUserCount(), 2);

    // The slave goes away without a word: the workbench notices and tells the others.
    slave.kill();
    slave.waitForFinished();
    ASSERT_TRUE(WaitFor([&] { return LogHas(master, "* User#2 disconnected"); }));
    EXPECT_EQ(server.GetUserCount(), 1);

    // The server shuts down: the master notices once and can connect again later.
    int lost = 0;
    QObject::connect(&master, &CMelvaneApp::connectionLost, [&] { ++lost; });
    server.Shutdown();
    ASSERT_TRUE(WaitFor([&] { return lost > 0; }));
    EXPECT_EQ(lost, 1);
    EXPECT_TRUE(LogHas(master, "* Unexpected disconnect\n"));
    EXPECT_TRUE(master.Dialog().IsEnabled(MelvaneButton::Connect));
}

} // namespace
