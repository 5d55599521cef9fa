// The external solver's client model against a scripted server on the loopback interface:
// registration, the problem, solves on the worker thread, Master and Slave, the notices of
// the server and the ways a connection ends. The dialog's field checks are tested headless.

#include "extsolver/CMelvaneApp.hpp"
#include "tests/extsolver/EventLoopWait.hpp"

#include "bridges/GenExtDesc.hpp"
#include "language/RawParser.hpp"
#include "protocol/MessageDecoder.hpp"
#include "protocol/MessageEncoder.hpp"
#include "protocol/MessageError.hpp"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace TavLanguage;
using namespace TavBridges;
using namespace Melvane;
using TavNet::CMessage;
using TavNet::MessageType;
using TavTest::WaitFor;
using B = MelvaneButton;

namespace {

// Accepts one connection, records what it reads, sends what the test says.
class ScriptedServer {
public:
    ScriptedServer() {
        EXPECT_TRUE(TavTest::ListenOnFieldPort(m_server));
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            m_socket = m_server.nextPendingConnection();
            QObject::connect(m_socket, &QTcpSocket::readyRead, [this] {
                const QByteArray bytes = m_socket->readAll();
                m_decoder.Feed(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
                for (CMessage m; m_decoder.Next(m);)
                    received.push_back(m);
            });
        });
    }
    quint16 Port() const { return m_server.serverPort(); }
    bool HasClient() {
        return WaitFor([this] { return m_socket != nullptr; });
    }
    void Send(const CMessage& m) { SendBytes(TavNet::MessageEncoder::Encode(m)); }
    void SendBytes(const TavNet::Bytes& bytes) {
        m_socket->write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        m_socket->flush();
    }
    void SendText(MessageType type, const std::string& text) { SendCoded(TavNet::ToInt(type), text); }
    // A message of a type code, which no type may have.
    void SendCoded(std::int32_t code, const std::string& text) {
        CMessage m = CMessage::OfCode(code);
        m.SetString(0, text);
        Send(m);
    }
    void Close() { m_socket->close(); }
    // Waits for the n-th message (from 1) and returns it.
    const CMessage& Message(std::size_t n) {
        EXPECT_TRUE(WaitFor([&] { return received.size() >= n; })) << "message " << n << " never came";
        static const CMessage none = CMessage::OfCode(-1);
        return received.size() >= n ? received[n - 1] : none;
    }

    std::vector<CMessage> received;

private:
    QTcpServer m_server;
    QTcpSocket* m_socket = nullptr;
    TavNet::MessageDecoder m_decoder;
};

std::string QueensDescription(int n) {
    RawCSP problem;
    ParserInfo info;
    const std::string text = "problem: q { domains { intdom rows = [0, " + std::to_string(n - 1) +
                             "]; } variables { intvar q[" + std::to_string(n) +
                             "] :: rows; } constraints { alldifferent(q); forall(i in [0.." +
                             std::to_string(n - 1) + "], j in [0.." + std::to_string(n - 1) +
                             "], i < j) { q[i] - q[j] <> j - i; q[j] - q[i] <> j - i; } } }";
    EXPECT_TRUE(ParseCSPText(text, &info, &problem).IsOk());
    return GenExtDesc::Describe(problem);
}

// Four items, the best choice worth 90 (the second and the fourth); target is the
// optimisation statement over the taken items' values.
std::string KnapsackDescription(const std::string& target) {
    RawCSP problem;
    ParserInfo info;
    const std::string text =
        "problem: k { domains { intdom take = [0, 1]; } variables { intvar x[4] :: take; } "
        "constraints { scalprod(x, [5, 4, 6, 3]) <= 10; } optimisation { " +
        target + "(scalprod(x, [10, 40, 30, 50])); } }";
    EXPECT_TRUE(ParseCSPText(text, &info, &problem).IsOk());
    return GenExtDesc::Describe(problem);
}

// The costs that the log's "New best solution has cost:N" lines give, in order.
std::vector<int> LoggedCosts(const CMelvaneApp& app) {
    const std::string prefix = "New best solution has cost:";
    std::vector<int> costs;
    for (const std::string& entry : app.Dialog().Log())
        if (entry.rfind(prefix, 0) == 0) costs.push_back(std::stoi(entry.substr(prefix.size())));
    return costs;
}

// The costs of the solutions of a solutions text, in order.
std::vector<int> SentCosts(const std::string& text) {
    std::vector<int> costs;
    for (std::size_t at = text.find(" cost "); at != std::string::npos; at = text.find(" cost ", at + 1))
        costs.push_back(std::stoi(text.substr(at + 6)));
    return costs;
}

std::size_t LogCount(const CMelvaneApp& app, const std::string& line) {
    return static_cast<std::size_t>(std::count(app.Dialog().Log().begin(), app.Dialog().Log().end(), line));
}

bool LogHas(const CMelvaneApp& app, const std::string& line) {
    return LogCount(app, line) > 0;
}

std::vector<bool> Buttons(const CMelvaneApp& app) {
    std::vector<bool> on;
    for (B b : {B::Read, B::Solve, B::Connect, B::Send, B::Stop, B::Master})
        on.push_back(app.Dialog().IsEnabled(b));
    return on;
}

class MelvaneClient : public ::testing::Test {
protected:
    void ConnectApp() {
        app.Dialog().serverName = "127.0.0.1";
        app.Dialog().port = std::to_string(server.Port());
        ASSERT_TRUE(app.OnConnect());
        ASSERT_TRUE(server.HasClient());
    }

    ScriptedServer server;
    CMelvaneApp app{"testhost"};
};

TEST_F(MelvaneClient, StartsWithTheDefaultsAndOnlyConnectEnabled) {
    const MelvaneDlgModel& d = app.Dialog();
    EXPECT_EQ(d.serverName, "testhost");
    EXPECT_EQ(d.port, "5000");
    EXPECT_EQ(d.solverName, "GLS");
    EXPECT_EQ(d.solutions, "1");
    EXPECT_EQ(d.lambda, "10");
    EXPECT_EQ(d.seed, "2334");
    EXPECT_EQ(d.optimise, "2");
    EXPECT_TRUE(d.learning);
    EXPECT_TRUE(d.deltaUpdate);
    EXPECT_FALSE(d.approxEvaluation);
    EXPECT_EQ(Buttons(app), (std::vector<bool>{false, false, true, false, false, false}));
    EXPECT_EQ(d.ConnectText(), "Connect");
    EXPECT_EQ(d.MasterText(), "Master");
    EXPECT_EQ(MelvaneDlgModel("a-host-name-longer-than-twenty").serverName, "localhost");
}

TEST(MelvaneFields, ChecksTheirRangesInDialogOrder) {
    struct Case {
        const char* what;
        std::function<void(MelvaneDlgModel&)> set;
        MelvaneField field;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"long server name", [](auto& d) { d.serverName = std::string(21, 's'); }, MelvaneField::ServerName,
         "Please enter no more than 20 characters."},
        {"port too big", [](auto& d) { d.port = "10000"; }, MelvaneField::Port,
         "Please enter an integer between 0 and 9999."},
        {"port not a number", [](auto& d) { d.port = "50x"; }, MelvaneField::Port,
         "Please enter a positive integer."},
        {"negative port", [](auto& d) { d.port = "-1"; }, MelvaneField::Port,
         "Please enter a positive integer."},
        {"long solver name", [](auto& d) { d.solverName = std::string(21, 'g'); }, MelvaneField::SolverName,
         "Please enter no more than 20 characters."},
        {"solutions", [](auto& d) { d.solutions = "10000"; }, MelvaneField::Solutions,
         "Please enter an integer between 0 and 9999."},
        {"no time limit", [](auto& d) { d.timeLimit = "0"; }, MelvaneField::TimeLimit,
         "Please enter a number between 0.1 and 99999."},
        {"time limit too long", [](auto& d) { d.timeLimit = "100000"; }, MelvaneField::TimeLimit,
         "Please enter a number between 0.1 and 99999."},
        {"time limit with a unit", [](auto& d) { d.timeLimit = "5s"; }, MelvaneField::TimeLimit,
         "Please enter a number."},
        {"time limit with a decimal comma", [](auto& d) { d.timeLimit = "0,5"; }, MelvaneField::TimeLimit,
         "Please enter a number."},
        {"negative time limit", [](auto& d) { d.timeLimit = "-1"; }, MelvaneField::TimeLimit,
         "Please enter a number."},
        {"empty time limit", [](auto& d) { d.timeLimit = " "; }, MelvaneField::TimeLimit,
         "Please enter a number."},
        {"lambda", [](auto& d) { d.lambda = "100000"; }, MelvaneField::Lambda,
         "Please enter an integer between 0 and 99999."},
        {"seed", [](auto& d) { d.seed = ""; }, MelvaneField::Seed, "Please enter a positive integer."},
        {"optimise", [](auto& d) { d.optimise = "99999999999"; }, MelvaneField::Optimise,
         "Please enter a positive integer."},
    };
    for (const Case& c : cases) {
        MelvaneDlgModel d("host");
        c.set(d);
        MelvaneSettings s;
        const auto error = d.Validate(s);
        ASSERT_TRUE(error.has_value()) << c.what;
        EXPECT_EQ(error->field, c.field) << c.what;
        EXPECT_EQ(error->text, c.text) << c.what;
    }
    MelvaneDlgModel d("host");
    d.port = "9999";
    d.solutions = "0";
    d.optimise = " 99999 ";
    MelvaneSettings s;
    EXPECT_FALSE(d.Validate(s).has_value());
    EXPECT_EQ(s.port, 9999u);
    EXPECT_EQ(s.optimise, 99999u);
    EXPECT_EQ(s.timeLimit, 5.0);
    for (const auto& [text, seconds] :
         {std::pair{" 2.25 ", 2.25}, {".5", 0.5}, {"0.1", 0.1}, {"99999", 99999.0}}) {
        d.timeLimit = text;
        ASSERT_FALSE(d.Validate(s).has_value()) << text;
        EXPECT_EQ(s.timeLimit, seconds) << text;
    }
    s.timeLimit = 0.5;
    d.SetFields(s);
    EXPECT_EQ(d.timeLimit, "0.5");
}

TEST(MelvaneLog, KeepsTheStartOfAVeryLongLine) {
    // The report of a solution of 100,000 variables is one line of megabytes; the view would
    // take seconds over it.
    const std::size_t max = MelvaneDlgModel::kMaxLogLine;
    MelvaneDlgModel d("host");
    std::vector<std::string> told;
    d.onLog = [&](const std::string& text) { told.push_back(text); };
    d.AddToLog("Solution\t0:" + std::string(100000, 'x') + "\nshort\n");
    const std::string& entry = d.Log().back();
    const std::string end = " ... (" + std::to_string(100011 - max) + " more characters)\nshort\n";
    ASSERT_EQ(entry.size(), max + end.size());
    EXPECT_EQ(entry.substr(0, 11), "Solution\t0:");
    EXPECT_EQ(entry.substr(max), end);
    EXPECT_EQ(told, std::vector<std::string>{entry});
    // A cut never splits a character of several bytes ("é" is two).
    d.AddToLog(std::string(max - 1, 'a') + "\xC3\xA9\xC3\xA9");
    EXPECT_EQ(d.Log().back().substr(max - 2), "a ... (2 more characters)");
    d.AddToLog(std::string(max, 'b'));
    EXPECT_EQ(d.Log().back().size(), max);
}

TEST_F(MelvaneClient, RegistersReadsSolvesAndSendsAsMaster) {
    ConnectApp();
    EXPECT_EQ(app.Dialog().ConnectText(), "Disconnect");
    EXPECT_TRUE(LogHas(app, "* You are connected to the server"));
    EXPECT_EQ(Buttons(app), (std::vector<bool>{true, false, true, false, false, true}));
    const CMessage& reg = server.Message(1);
    EXPECT_EQ(reg.GetType(), MessageType::Register);
    EXPECT_EQ(reg.Text(), "GLS");

    CMessage connected(MessageType::UserConnected);
    connected.SetInt(0, 3);
    server.Send(connected);
    server.SendText(MessageType::Broadcast, "GLS registered with server!\n");
    ASSERT_TRUE(WaitFor([&] { return LogHas(app, "GLS registered with server!\n"); }));
    EXPECT_TRUE(LogHas(app, "* User#3 connected"));

    app.OnReadProblem();
    const CMessage& request = server.Message(2);
    EXPECT_EQ(request.GetType(), MessageType::RequestProblem);
    EXPECT_EQ(request.GetItemCount(), 1);
    EXPECT_EQ(request.Text(), "");
    EXPECT_EQ(Buttons(app), (std::vector<bool>{false, false, true, false, false, false}));

    server.SendText(MessageType::Problem, QueensDescription(6));
    // "Solve Problem" once the worker has read the problem.
    ASSERT_TRUE(WaitFor([&] { return app.Dialog().IsEnabled(B::Solve); }));
    EXPECT_TRUE(LogHas(app, "* Received Problem"));
    EXPECT_EQ(Buttons(app), (std::vector<bool>{true, true, true, false, false, true}));

    app.Dialog().solutions = "2";
    bool finished = false;
    QObject::connect(&app, &CMelvaneApp::solveFinished, [&] { finished = true; });
    ASSERT_TRUE(app.OnSolveProblem());
    EXPECT_TRUE(app.Dialog().IsSolving());
    EXPECT_FALSE(app.Dialog().IsEnabled(B::Connect));
    ASSERT_TRUE(WaitFor([&] { return finished; }));
    EXPECT_FALSE(app.Dialog().IsSolving());
    EXPECT_EQ(Buttons(app), (std::vector<bool>{true, true, true, true, false, true}));
    const std::string text = app.Dialog().SolutionsText();
    EXPECT_EQ(text.rfind("2\n<S>\n", 0), 0u) << text;
    EXPECT_EQ(app.Dialog().Log().back().rfind("Solution\t0:", 0), 0u);

    app.OnSendSolutions();
    const CMessage& solutions = server.Message(3);
    EXPECT_EQ(solutions.GetType(), MessageType::Solutions);
    EXPECT_EQ(solutions.Text(), text);
    EXPECT_EQ(Buttons(app), (std::vector<bool>{true, true, true, false, false, true}));

    // "Read Problem" now carries the solutions text.
    app.OnReadProblem();
    EXPECT_EQ(server.Message(4).Text(), text);
}

TEST_F(MelvaneClient, SlaveSolvesOnPushAndSendsByItself) {
    ConnectApp();
    app.OnMaster();
    EXPECT_EQ(app.Dialog().MasterText(), "Slave");
    EXPECT_EQ(server.Message(2).GetType(), MessageType::Role);
    EXPECT_EQ(server.Message(2).Text(), "Slave");
    EXPECT_EQ(Buttons(app), (std::vector<bool>{false, false, true, false, false, true}));

    server.SendText(MessageType::Problem, QueensDescription(5));
    const CMessage& solutions = server.Message(3);
    EXPECT_EQ(solutions.GetType(), MessageType::Solutions);
    EXPECT_EQ(solutions.Text().rfind("1\n<S>\n5\n", 0), 0u) << solutions.Text();
    // After a Slave's solve the dialog is usable again: Connect (to disconnect) and the role.
    EXPECT_EQ(Buttons(app), (std::vector<bool>{false, false, true, false, false, true}));

    app.OnMaster();
    EXPECT_EQ(server.Message(4).Text(), "Master");
    EXPECT_EQ(app.Dialog().MasterText(), "Master");
}

TEST_F(MelvaneClient, ASlaveEndsEverySolveOfAnOptimisationProblemByItsTimeLimit) {
    // A run of an optimisation problem searches until it is stopped: the time limit stops it,
    // the Slave sends what it found, and the next push of the same problem ends the same way.
    ConnectApp();
    app.Dialog().timeLimit = "0.1";
    app.OnMaster();
    ASSERT_EQ(server.Message(2).Text(), "Slave");
    bool stopOffered = false;
    app.Dialog().onChanged = [&] { stopOffered = stopOffered || app.Dialog().IsEnabled(B::Stop); };
    for (std::size_t push = 0; push < 2; ++push) {
        SCOPED_TRACE(push);
        stopOffered = false;
        server.SendText(MessageType::Problem, KnapsackDescription("maximise"));
        // What the run found by its limit (one solution, at most) is sent.
        const CMessage& solutions = server.Message(3 + push);
        ASSERT_EQ(solutions.GetType(), MessageType::Solutions);
        EXPECT_EQ(solutions.Text(), app.Dialog().SolutionsText());
        EXPECT_LE(SentCosts(solutions.Text()).size(), 1u) << solutions.Text();
        // Stop was offered while it ran; afterwards the dialog is usable again.
        EXPECT_TRUE(stopOffered);
        EXPECT_FALSE(app.Dialog().IsSolving());
        EXPECT_EQ(Buttons(app), (std::vector<bool>{false, false, true, false, false, true}));
    }
}

TEST_F(MelvaneClient, StopEndsASlavesSolveWhichSendsWhatItFound) {
    ConnectApp();
    app.Dialog().timeLimit = "99999";
    app.OnMaster();
    ASSERT_EQ(server.Message(2).Text(), "Slave");
    server.SendText(MessageType::Problem, KnapsackDescription("maximise"));
    ASSERT_TRUE(WaitFor([&] { return !LoggedCosts(app).empty(); }));
    EXPECT_TRUE(app.Dialog().IsEnabled(B::Stop));
    app.OnStopSolving();
    const CMessage& solutions = server.Message(3);
    ASSERT_EQ(solutions.GetType(), MessageType::Solutions);
    EXPECT_EQ(solutions.Text().rfind("1\n<S>\n", 0), 0u) << solutions.Text();
    EXPECT_EQ(Buttons(app), (std::vector<bool>{false, false, true, false, false, true}));
}

TEST_F(MelvaneClient, AMasterEndsEachOfItsRunsByTheTimeLimitAndLogsTheTargetsOwnCost) {
    // Each new best is logged with the cost the solution states: the target's own value, with
    // its sign, so a maximised one grows. A later run that finds nothing better adds no second
    // copy of the best; one that does adds the better one.
    struct Case {
        const char* target;
        bool grows;
    };
    ConnectApp();
    app.Dialog().timeLimit = "0.1";
    app.Dialog().solutions = "3";
    bool finished = false;
    QObject::connect(&app, &CMelvaneApp::solveFinished, [&] { finished = true; });
    for (const Case& c : {Case{"maximise", true}, Case{"minimise", false}}) {
        SCOPED_TRACE(c.target);
        const std::size_t logged = LoggedCosts(app).size();
        const std::size_t received = LogCount(app, "* Received Problem");
        server.SendText(MessageType::Problem, KnapsackDescription(c.target));
        ASSERT_TRUE(WaitFor([&] {
            return LogCount(app, "* Received Problem") > received && app.Dialog().IsEnabled(B::Solve);
        }));
        finished = false;
        ASSERT_TRUE(app.OnSolveProblem());
        ASSERT_TRUE(WaitFor([&] { return finished; }));
        const std::vector<int> all = LoggedCosts(app);
        const std::vector<int> costs(all.begin() + static_cast<std::ptrdiff_t>(logged), all.end());
        const std::vector<int> sent = SentCosts(app.Dialog().SolutionsText());
        ASSERT_FALSE(costs.empty());
        ASSERT_FALSE(sent.empty());
        ASSERT_LE(sent.size(), 3u);
        EXPECT_EQ(sent.back(), costs.back());
        for (const std::vector<int>& series : {costs, sent})
            for (std::size_t i = 1; i < series.size(); ++i)
                EXPECT_TRUE(c.grows ? series[i] > series[i - 1] : series[i] < series[i - 1]) << series[i];
        EXPECT_EQ(Buttons(app), (std::vector<bool>{true, true, true, true, false, true}));
    }
}

TEST_F(MelvaneClient, ProblemChangedAndUnknownTypes) {
    ConnectApp();
    server.SendText(MessageType::Problem, QueensDescription(4));
    ASSERT_TRUE(WaitFor([&] { return app.Dialog().IsEnabled(B::Solve); }));
    int handled = 0;
    QObject::connect(&app, &CMelvaneApp::messageHandled, [&] { ++handled; });
    server.SendText(MessageType::Solutions, "ignored");
    server.SendCoded(42, "ignored");
    server.SendText(MessageType::ProblemChanged, "update problem");
    ASSERT_TRUE(WaitFor([&] { return handled == 3; }));
    EXPECT_TRUE(LogHas(app, "Server has new problem!\n"));
    EXPECT_TRUE(app.Dialog().IsEnabled(B::Read));
    EXPECT_FALSE(app.Dialog().IsEnabled(B::Solve));
    EXPECT_FALSE(app.Dialog().IsEnabled(B::Send));
}

TEST_F(MelvaneClient, AProblemItCannotReadIsLoggedAndNotSolved) {
    ConnectApp();
    app.OnMaster();
    server.SendText(MessageType::Problem, "<Z> 1 INTVAR x nowhere <END>");
    ASSERT_TRUE(WaitFor([&] {
        for (const std::string& line : app.Dialog().Log())
            if (line.rfind("Problem refused: ", 0) == 0) return true;
        return false;
    }));
    EXPECT_TRUE(LogHas(app, "* Received Problem"));
    EXPECT_FALSE(app.Dialog().IsSolving());
    // The Slave sends nothing for it and can be disconnected or made Master.
    EXPECT_EQ(Buttons(app), (std::vector<bool>{false, false, true, false, false, true}));
    // Registration, role, then the next thing it sends: no solutions came between.
    app.OnMaster();
    EXPECT_EQ(server.Message(3).GetType(), MessageType::Role);
}

TEST_F(MelvaneClient, ServerClosingIsNoticedOnce) {
    ConnectApp();
    int lost = 0;
    QObject::connect(&app, &CMelvaneApp::connectionLost, [&] { ++lost; });
    server.Close();
    ASSERT_TRUE(WaitFor([&] { return lost > 0; }));
    EXPECT_EQ(lost, 1);
    EXPECT_TRUE(LogHas(app, "* Unexpected disconnect\n"));
    EXPECT_FALSE(app.IsConnected());
    EXPECT_EQ(app.Dialog().ConnectText(), "Connect");
    EXPECT_EQ(Buttons(app), (std::vector<bool>{false, false, true, false, false, false}));
}

TEST_F(MelvaneClient, GarbageFromTheServerClosesTheConnection) {
    ConnectApp();
    int lost = 0;
    QObject::connect(&app, &CMelvaneApp::connectionLost, [&] { ++lost; });
    server.SendBytes({4, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F});
    ASSERT_TRUE(WaitFor([&] { return lost > 0; }));
    EXPECT_EQ(lost, 1);
    EXPECT_FALSE(app.IsConnected());
}

TEST_F(MelvaneClient, DisconnectSaysGoodbyeWithoutTheUnexpectedNotice) {
    ConnectApp();
    int lost = 0;
    QObject::connect(&app, &CMelvaneApp::connectionLost, [&] { ++lost; });
    ASSERT_TRUE(app.OnConnect());
    EXPECT_EQ(server.Message(2).GetType(), MessageType::Disconnect);
    EXPECT_EQ(server.Message(2).GetItemCount(), 0);
    EXPECT_TRUE(LogHas(app, "* You are disconnected"));
    EXPECT_EQ(app.Dialog().Log().back(), "");
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(Buttons(app), (std::vector<bool>{false, false, true, false, false, false}));
}

TEST(MelvaneConnect, ARefusedConnectionIsLoggedAndLeavesNoSocket) {
    QTcpServer probe;
    ASSERT_TRUE(TavTest::ListenOnFieldPort(probe));
    const quint16 port = probe.serverPort();
    probe.close();
    CMelvaneApp app("testhost");
    std::vector<std::string> boxes;
    app.showBox = [&](const std::string& text, const std::string& caption) {
        boxes.push_back(caption + ": " + text);
    };
    app.Dialog().serverName = "127.0.0.1";
    app.Dialog().port = std::to_string(port);
    EXPECT_FALSE(app.OnConnect());
    EXPECT_FALSE(app.IsConnected());
    EXPECT_EQ(boxes, (std::vector<std::string>{"Error: Cannot connect to the server"}));
    EXPECT_EQ(app.Dialog().Log().back().rfind("Cannot connect to the server", 0), 0u);
    EXPECT_EQ(app.Dialog().ConnectText(), "Connect");
    EXPECT_TRUE(app.Dialog().IsEnabled(B::Connect));
}

} // namespace
