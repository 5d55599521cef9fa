// The external solvers' road end to end on 127.0.0.1: the headless workbench host, a client
// model in this process and a real melvane process (offscreen) in the Slave role.

#include "tests/workbench/net/LoopbackHelpers.hpp"

#include "extsolver/CMelvaneApp.hpp"

#include <QProcess>

#include <gtest/gtest.h>

using namespace TavNet;
using Melvane::CMelvaneApp;
using Melvane::MelvaneButton;
using TavTest::WaitFor;

namespace {

bool LogHas(const CMelvaneApp& app, const std::string& line) {
    for (const std::string& entry : app.Dialog().Log())
        if (entry == line) return true;
    return false;
}

bool SelectUser(ExternalSolverServer& server, int number) {
    server.runChoiceDialog = [number](ExSolDlgModel& dialog) {
        for (std::size_t i = 0; i < dialog.Entries().size(); ++i)
            if (dialog.Entries()[i].second == number) dialog.Select(static_cast<int>(i));
        return true;
    };
    return true;
}

// Reads, solves and sends as a Master; true when the host took the solutions.
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

TEST(Loopback, TwoProgramsMasterAndSlaveThroughAProblemChangeAndAShutdown) {
    ExternalSolverHost host;
    ASSERT_TRUE(TavTest::StartOnFieldPort(host));
    ExternalSolverServer& server = host.Server();
    host.SetProblem(TavTest::QueensText(8));

    // A program in this process, as Master.
    CMelvaneApp master("localhost");
    master.Dialog().serverName = "127.0.0.1";
    master.Dialog().port = std::to_string(host.Port());
    master.Dialog().solutions = "3";
    ASSERT_TRUE(master.OnConnect());
    ASSERT_TRUE(WaitFor([&] { return server.GetUserName(1) == "GLS"; }));
    ASSERT_TRUE(WaitFor([&] { return LogHas(master, "GLS registered with server!\n"); }));
    EXPECT_TRUE(LogHas(master, "* User#1 connected"));

    ASSERT_TRUE(MasterRound(master, server, 1));
    SelectUser(server, 1);
    server.ShowExternalSolutions();
    EXPECT_EQ(TavTest::CheckedRows(host.Document(), TavTest::QueensText(8)), 3);

    // A second program: a melvane process that connects at once and takes the Slave role.
    QProcess slave;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    slave.setProcessEnvironment(env);
    slave.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    slave.start(TAV_MELVANE_PATH, {"--server", "127.0.0.1", "--port", QString::number(host.Port()),
                                   "--solver", "Second", "--solutions", "2", "--connect", "--slave"});
    ASSERT_TRUE(slave.waitForStarted());
    ASSERT_TRUE(WaitFor([&] { return server.GetUserName(2) == "Second" && server.IsSlave(2); }));
    EXPECT_TRUE(LogHas(master, "* User#2 connected"));
    EXPECT_TRUE(LogHas(master, "Second registered with server!\n"));

    // Options/External Solver pushes the problem; the slave solves and sends by itself.
    SelectUser(server, 2);
    server.ChooseExternalSolver();
    ASSERT_TRUE(WaitFor([&] { return server.HasSolutions(2); }));
    server.ShowExternalSolutions();
    EXPECT_EQ(TavTest::CheckedRows(host.Document(), TavTest::QueensText(8)), 2);

    // The problem changes: everyone hears it, old solutions are refused, new ones taken.
    host.SetProblem(TavTest::QueensText(6));
    ASSERT_TRUE(WaitFor([&] { return LogHas(master, "Server has new problem!\n"); }));
    EXPECT_FALSE(server.HasSolutions(1));
    EXPECT_FALSE(server.HasSolutions(2));
    const std::size_t notices = server.Notices().Entries().size();
    master.OnSendSolutions();
    ASSERT_TRUE(WaitFor([&] { return server.Notices().Entries().size() >= notices + 2; }));
    EXPECT_EQ(server.Notices().Entries().back(), "Solution(s) ignored.  Incorrect problem\n");
    EXPECT_FALSE(server.HasSolutions(1));
    ASSERT_TRUE(MasterRound(master, server, 1));
    SelectUser(server, 1);
    server.ShowExternalSolutions();
    EXPECT_EQ(TavTest::CheckedRows(host.Document(), TavTest::QueensText(6)), 3);

    // The slave goes away without a word: the host notices and tells the others.
    slave.kill();
    slave.waitForFinished();
    ASSERT_TRUE(WaitFor([&] { return LogHas(master, "* User#2 disconnected"); }));
    EXPECT_EQ(server.GetUserCount(), 1);

    // The server shuts down: the master notices once and can connect again later.
    int lost = 0;
    QObject::connect(&master, &CMelvaneApp::connectionLost, [&] { ++lost; });
    host.Shutdown();
    ASSERT_TRUE(WaitFor([&] { return lost > 0; }));
    EXPECT_EQ(lost, 1);
    EXPECT_TRUE(LogHas(master, "* Unexpected disconnect\n"));
    EXPECT_TRUE(master.Dialog().IsEnabled(MelvaneButton::Connect));
}

TEST(Loopback, APortInUseLeavesTheHostRunningAndSaysSoOnce) {
    ExternalSolverHost first;
    ASSERT_TRUE(TavTest::StartOnFieldPort(first));
    ExternalSolverHost second;
    EXPECT_FALSE(second.Start(first.Port()));
    ASSERT_EQ(second.Server().Notices().Entries().size(), 1u);
    EXPECT_NE(second.Server().Notices().Entries()[0].find("cannot listen on port"), std::string::npos);
    EXPECT_FALSE(second.Server().IsUp());
    EXPECT_EQ(second.Server().GetUserCount(), 0);
}

} // namespace
