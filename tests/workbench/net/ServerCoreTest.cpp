// The result server's decisions and user table without sockets: fake connections record what
// is sent, description threads hand over through a queue this test runs.

#include "protocol/MessageDecoder.hpp"
#include "protocol/MessageEncoder.hpp"
#include "workbench/net/ExternalSolutionsReader.hpp"
#include "workbench/net/ExternalSolverServer.hpp"
#include "workbench/net/HostDocument.hpp"

#include "language/RawParser.hpp"
#include "language/raw/RawCSP.hpp"

#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

using namespace TavNet;

namespace {

struct Wire {
    std::vector<CMessage> received;
    bool closed = false;
    bool failWrites = false;
};

class FakeConnection : public ServerConnection {
public:
    explicit FakeConnection(std::shared_ptr<Wire> wire) : m_wire(std::move(wire)) {}
    bool Write(const Bytes& bytes) override {
        if (m_wire->failWrites || m_wire->closed) return false;
        m_decoder.Feed(bytes);
        for (CMessage m; m_decoder.Next(m);)
            m_wire->received.push_back(m);
        return true;
    }
    void Close() override { m_wire->closed = true; }

private:
    std::shared_ptr<Wire> m_wire;
    MessageDecoder m_decoder;
};

// The user-interface thread's side of the wake: the description threads' calls are counted,
// and the hand-overs delivered when one has come.
class Wakes {
public:
    void Wake() {
        std::lock_guard lock(m_mutex);
        ++m_count;
        m_ready.notify_all();
    }
    // Waits for a wake not yet taken.
    void WaitForOne() {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [&] { return m_count > m_taken; });
        m_taken = m_count;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ready;
    int m_count = 0;
    int m_taken = 0;
};

class ListenerStub : public ServerListener {
public:
    bool Start(int, std::string&) override { return true; }
    void Stop() override {}
};

const char* kProblem = R"(problem: p { domains { intdom d = [0, 9]; } variables { intvar x, y :: d; }
constraints { x <> y; soft(x < 5, 2); } optimisation { minimise(x + y); } })";

class ServerCore : public ::testing::Test {
protected:
    ServerCore() : server([this] { wakes.Wake(); }) {
        std::string error;
        EXPECT_TRUE(server.Init(5000, &listener, error));
        server.SetDocument(&document);
        server.showBox = [this](const std::string& text) { boxes.push_back(text); };
    }
    ~ServerCore() override { server.Shutdown(); }

    int Connect() {
        wires.push_back(std::make_shared<Wire>());
        return server.AddUser(std::make_unique<FakeConnection>(wires.back()));
    }
    Wire& W(int number) { return *wires[static_cast<std::size_t>(number - 1)]; }
    void Send(int number, const CMessage& m) {
        const Bytes bytes = MessageEncoder::Encode(m);
        server.OnBytes(number, bytes.data(), bytes.size());
    }
    void SendText(int number, MessageType type, const std::string& text) {
        CMessage m(type);
        m.SetString(0, text);
        Send(number, m);
    }
    // Asks for the problem and, when it is rendered on a thread, runs the hand-over.
    void RequestProblem(int number) {
        const bool renders = !server.IsDescriptionReady();
        SendText(number, MessageType::RequestProblem, "");
        if (renders) RunPosted();
    }
    // Waits for a description or check thread's wake and delivers what it left.
    void RunPosted() {
        wakes.WaitForOne();
        server.DeliverHandOvers();
    }
    // Sends solutions and, when they are checked on a thread, waits for the check's result.
    void SendSolutions(int number, const std::string& text) {
        SendText(number, MessageType::Solutions, text);
        while (server.CheckingCount() > 0)
            RunPosted();
    }
    const CMessage& Last(int number) { return W(number).received.back(); }

    Wakes wakes;
    ListenerStub listener;
    HostDocument document;
    ExternalSolverServer server;
    std::vector<std::shared_ptr<Wire>> wires;
    std::vector<std::string> boxes;
};

TEST_F(ServerCore, NumbersAreNeverReusedAndEveryoneHearsOfNewcomers) {
    EXPECT_EQ(Connect(), 1);
    EXPECT_EQ(Connect(), 2);
    ASSERT_EQ(W(1).received.size(), 2u);
    EXPECT_EQ(W(1).received[1].GetType(), MessageType::UserConnected);
    EXPECT_EQ(W(1).received[1].Number(), 2);
    EXPECT_EQ(Last(2).Number(), 2);
    server.OnConnectionLost(1);
    EXPECT_TRUE(W(1).closed);
    EXPECT_EQ(Connect(), 3);
    EXPECT_EQ(server.GetUserNumbers(), (std::vector<int>{2, 3}));
    EXPECT_EQ(server.GetUserName(1), "");
}

TEST_F(ServerCore, RegistrationIsBroadcast) {
    Connect();
    Connect();
    SendText(1, MessageType::Register, "GLS");
    for (int n : {1, 2}) {
        EXPECT_EQ(Last(n).GetType(), MessageType::Broadcast);
        EXPECT_EQ(Last(n).Text(), "GLS registered with server!\n");
    }
    EXPECT_EQ(server.GetUserName(1), "GLS");
    SendText(2, MessageType::TextLine, "hello");
    EXPECT_EQ(Last(1).Text(), "[User#2] hello");
}

TEST_F(ServerCore, FirstRequestRendersOnAThreadAndLaterOnesAreServedAtOnce) {
    document.SetProblemText(kProblem);
    Connect();
    Connect();
    SendText(1, MessageType::RequestProblem, "");
    EXPECT_FALSE(server.HasProblem(1));
    RunPosted();
    EXPECT_EQ(server.RenderingCount(), 0);
    ASSERT_EQ(Last(1).GetType(), MessageType::Problem);
    const std::string description = Last(1).Text();
    EXPECT_NE(description.find("<END>"), std::string::npos);
    EXPECT_TRUE(server.HasProblem(1));
    EXPECT_TRUE(server.IsDescriptionReady());

    SendText(2, MessageType::RequestProblem, "");
    EXPECT_EQ(Last(2).GetType(), MessageType::Problem);
    EXPECT_EQ(Last(2).Text(), description);
    EXPECT_TRUE(server.HasProblem(2));
}

TEST_F(ServerCore, RequestsDuringARenderingWaitForIt) {
    document.SetProblemText(kProblem);
    const int a = Connect();
    const int b = Connect();
    SendText(a, MessageType::RequestProblem, "");
    SendText(b, MessageType::RequestProblem, "");
    EXPECT_EQ(server.RenderingCount(), 1);
    RunPosted();
    EXPECT_EQ(Last(a).GetType(), MessageType::Problem);
    EXPECT_EQ(Last(b).GetType(), MessageType::Problem);
    EXPECT_TRUE(server.HasProblem(a));
    EXPECT_TRUE(server.HasProblem(b));
}

TEST_F(ServerCore, ARenderingOfAnOldProblemIsNotHandedOver) {
    document.SetProblemText(kProblem);
    const int a = Connect();
    SendText(a, MessageType::RequestProblem, "");
    server.ProblemChanged();
    RunPosted();
    EXPECT_EQ(Last(a).GetType(), MessageType::ProblemChanged);
    EXPECT_FALSE(server.IsDescriptionReady());
    EXPECT_FALSE(server.HasProblem(a));
}

TEST_F(ServerCore, AnEmptyDocumentSendsNothing) {
    Connect();
    const std::size_t before = W(1).received.size();
    SendText(1, MessageType::RequestProblem, "");
    EXPECT_EQ(W(1).received.size(), before);
    EXPECT_EQ(server.RenderingCount(), 0);
}

TEST_F(ServerCore, SolutionsAreTakenOnlyForTheProblemSentAndAreChecked) {
    document.SetProblemText(kProblem);
    const int n = Connect();
    SendSolutions(n, "1 Solution 2 x 3 y 4 Cost 7 Soft 0");
    EXPECT_FALSE(server.HasSolutions(n));
    EXPECT_EQ(server.Notices().Entries().back(), "Solution(s) ignored.  Incorrect problem\n");

    RequestProblem(n);
    struct Case {
        const char* what;
        const char* text;
        bool taken;
    };
    const Case cases[] = {
        {"the example", "1 Solution 2 x 3 y 4 Cost 7 Soft 0", true},
        {"costs recomputed", "1 <S> 2 x 3 y 4 cost -1 soft -1", true},
        {"value out of its domain", "1 <S> 2 x 3 y 14 cost 17 soft 0", false},
        {"constraint broken", "1 <S> 2 x 3 y 3 cost 6 soft 0", false},
        {"unknown name", "1 <S> 2 x 3 z 4 cost 7 soft 0", false},
        {"variable missing", "1 <S> 1 x 3 cost 3 soft 0", false},
        {"variable twice", "1 <S> 3 x 3 y 4 x 5 cost 7 soft 0", false},
        {"huge count", "2147483647 <S> 2 x 3 y 4 cost 7 soft 0", false},
        {"negative count", "-1", false},
        {"short", "1 <S> 2 x 3 y", false},
        {"not a number", "1 <S> 2 x three y 4 cost 7 soft 0", false},
        {"trailing tokens", "1 <S> 2 x 3 y 4 cost 7 soft 0 extra", false},
        {"garbage bytes", "\x01\xff\x80 <S>", false},
    };
    for (const Case& c : cases) {
        SendSolutions(n, c.text);
        EXPECT_EQ(server.HasSolutions(n), c.taken) << c.what;
    }
    SendSolutions(n, "2 <S> 2 x 3 y 4 cost 7 soft 0 <S> 2 y 1 x 6 cost 7 soft 2");
    ASSERT_TRUE(server.HasSolutions(n));
    server.chooseProgram = [](const CServerObj::UserList& programs) {
        EXPECT_EQ(programs, (CServerObj::UserList{{"", 1}}));
        return programs.at(0).second;
    };
    server.ShowExternalSolutions();
    const auto columns = document.Columns();
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(columns[0], (HostDocument::Column{"x", {"3", "6"}}));
    EXPECT_EQ(columns[1], (HostDocument::Column{"y", {"4", "1"}}));
    EXPECT_EQ(columns[2], (HostDocument::Column{"Cost", {"7", "7"}}));
    EXPECT_EQ(columns[3], (HostDocument::Column{"Soft Cost", {"0", "2"}}));
    EXPECT_EQ(document.Shown(), 2);
}

TEST_F(ServerCore, ASetVariableShowsItsMembersAsEveryRoadShowsASet) {
    // One pair per member (element variables skipped), shown in braces like a solve's own sets.
    document.SetProblemText(R"(problem: s { domains { setdom u = {1, 2, 3, 4, 5, 6}; }
variables { setvar s :: u; } constraints { {2, 5} subsetof s; } })");
    const int n = Connect();
    RequestProblem(n);
    SendSolutions(n, "1 <S> 3 s 2 s 5 __s[0] 1 cost 0 soft 0");
    ASSERT_TRUE(server.HasSolutions(n));
    server.chooseProgram = [](const CServerObj::UserList& programs) { return programs.at(0).second; };
    server.ShowExternalSolutions();
    ASSERT_FALSE(document.Columns().empty());
    EXPECT_EQ(document.Columns()[0], (HostDocument::Column{"s", {"{2,5}"}}));
}

TEST_F(ServerCore, ProblemChangedTellsEveryoneAndRefusesOldSolutions) {
    document.SetProblemText(kProblem);
    const int a = Connect();
    const int b = Connect();
    RequestProblem(a);
    SendSolutions(a, "1 <S> 2 x 3 y 4 cost 7 soft 0");
    ASSERT_TRUE(server.HasSolutions(a));
    server.ProblemChanged();
    for (int n : {a, b}) {
        EXPECT_EQ(Last(n).GetType(), MessageType::ProblemChanged);
        EXPECT_EQ(Last(n).Text(), "update problem");
    }
    EXPECT_FALSE(server.HasSolutions(a));
    EXPECT_FALSE(server.IsDescriptionReady());
    SendSolutions(a, "1 <S> 2 x 3 y 4 cost 7 soft 0");
    EXPECT_FALSE(server.HasSolutions(a));
    // The next request renders again.
    RequestProblem(a);
    EXPECT_EQ(Last(a).GetType(), MessageType::Problem);
    EXPECT_TRUE(server.HasProblem(a));
}

// Many solutions of kProblem, each one valid (x = 3, y = 4).
std::string ManySolutions(int count) {
    std::string text = std::to_string(count);
    for (int i = 0; i < count; ++i)
        text += " <S> 2 x 3 y 4 cost 7 soft 0";
    return text;
}

TEST_F(ServerCore, SolutionsAreCheckedOffTheEventLoopWhileOthersAreAnswered) {
    document.SetProblemText(kProblem);
    const int a = Connect();
    const int b = Connect();
    RequestProblem(a);
    SendText(a, MessageType::Solutions, ManySolutions(2000));
    // The check runs on its own thread: nothing is taken until its result is delivered here,
    // and meanwhile every other message is answered at once.
    EXPECT_EQ(server.CheckingCount(), 1);
    EXPECT_FALSE(server.HasSolutions(a));
    SendText(b, MessageType::TextLine, "still here");
    EXPECT_EQ(Last(b).Text(), "[User#2] still here");
    SendText(b, MessageType::RequestProblem, "");
    EXPECT_EQ(Last(b).GetType(), MessageType::Problem);
    while (server.CheckingCount() > 0)
        RunPosted();
    EXPECT_TRUE(server.HasSolutions(a));
    EXPECT_EQ(server.UserSolutions(a).solutions.size(), 2000u);
}

TEST_F(ServerCore, ACheckResultIsDroppedWhenItsProgramOrProblemHasMovedOn) {
    struct Case {
        const char* what;
        // Runs after the solutions are sent, before the check's result is delivered.
        std::function<void(int)> meanwhile;
        // The solutions held in the end (0: none).
        std::size_t held;
    };
    const std::vector<Case> cases = {
        {"nothing", [](int) {}, 1000},
        {"the program left", [this](int n) { server.OnConnectionLost(n); }, 0},
        {"the program said goodbye", [this](int n) { Send(n, CMessage(MessageType::Disconnect)); }, 0},
        {"the problem changed", [this](int) { server.ProblemChanged(); }, 0},
        {"the program registered again", [this](int n) { SendText(n, MessageType::Register, "GLS"); }, 0},
        {"newer solutions that do not hold",
         [this](int n) { SendText(n, MessageType::Solutions, "1 <S> 2 x 3 y 3 cost 6 soft 0"); }, 0},
        {"newer solutions that hold",
         [this](int n) { SendText(n, MessageType::Solutions, ManySolutions(2)); }, 2},
    };
    document.SetProblemText(kProblem);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int n = Connect();
        RequestProblem(n);
        SendText(n, MessageType::Solutions, ManySolutions(1000));
        c.meanwhile(n);
        while (server.CheckingCount() > 0)
            RunPosted();
        EXPECT_EQ(server.HasSolutions(n), c.held > 0);
        EXPECT_EQ(server.UserSolutions(n).solutions.size(), c.held);
        server.ProblemChanged();
    }
    // A program that asks for the new problem has its solutions taken again.
    const int n = Connect();
    RequestProblem(n);
    SendSolutions(n, "1 <S> 2 x 3 y 4 cost 7 soft 0");
    EXPECT_TRUE(server.HasSolutions(n));
}

TEST_F(ServerCore, RolesAndTheSlaveCommand) {
    const int a = Connect();
    SendText(a, MessageType::Register, "GLS");
    server.ChooseExternalSolver();
    EXPECT_EQ(boxes.back(), "No problem to solve!");
    document.SetProblemText(kProblem);
    server.ChooseExternalSolver();
    EXPECT_EQ(boxes.back(), "No external slave solvers!");
    SendText(a, MessageType::Role, "slave");
    EXPECT_FALSE(server.IsSlave(a));
    SendText(a, MessageType::Role, "Slave");
    EXPECT_TRUE(server.IsSlave(a));
    server.chooseProgram = [](const CServerObj::UserList& programs) {
        EXPECT_EQ(programs, (CServerObj::UserList{{"GLS", 1}}));
        return programs.at(0).second;
    };
    server.ChooseExternalSolver();
    RunPosted();
    EXPECT_EQ(Last(a).GetType(), MessageType::Problem);
    server.ShowExternalSolutions();
    EXPECT_EQ(boxes.back(), "No external solver solutions to display!");
    SendText(a, MessageType::Role, "Master");
    EXPECT_FALSE(server.IsSlave(a));
}

TEST_F(ServerCore, TwoMessagesInOnePieceAndAGoodbyeStopsReading) {
    const int a = Connect();
    const int b = Connect();
    CMessage reg(MessageType::Register);
    reg.SetString(0, "A");
    CMessage bye(MessageType::Disconnect);
    Bytes bytes = MessageEncoder::Encode(reg);
    MessageEncoder::Encode(bye, bytes);
    MessageEncoder::Encode(reg, bytes);
    server.OnBytes(a, bytes.data(), bytes.size());
    EXPECT_TRUE(W(a).closed);
    EXPECT_EQ(server.GetUserCount(), 1);
    // b heard one registration and one departure.
    int registrations = 0;
    int departures = 0;
    for (const CMessage& m : W(b).received) {
        registrations += m.GetType() == MessageType::Broadcast;
        departures += m.GetType() == MessageType::Disconnect && m.Number() == a;
    }
    EXPECT_EQ(registrations, 1);
    EXPECT_EQ(departures, 1);
    server.OnConnectionLost(a);
    EXPECT_EQ(W(b).received.back().GetType(), MessageType::Disconnect);
    EXPECT_EQ(W(b).received.size(), 3u);
}

TEST_F(ServerCore, EveryWayOfLeavingIsAnnouncedOnce) {
    const int a = Connect();
    const int b = Connect();
    const int c = Connect();
    const int d = Connect();
    auto departures = [&](int hearer, int who) {
        int count = 0;
        for (const CMessage& m : W(hearer).received)
            count += m.GetType() == MessageType::Disconnect && m.Number() == who;
        return count;
    };
    // A failed send during a broadcast.
    W(b).failWrites = true;
    SendText(a, MessageType::TextLine, "line");
    EXPECT_EQ(server.GetUserNumbers(), (std::vector<int>{a, c, d}));
    // Garbage on the stream.
    const Bytes garbage = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F};
    server.OnBytes(c, garbage.data(), garbage.size());
    EXPECT_EQ(server.Notices().Entries().back().rfind("Received invalid message!", 0), 0u);
    // The end of the stream.
    server.OnConnectionLost(d);
    server.OnConnectionLost(d);
    EXPECT_EQ(server.GetUserNumbers(), (std::vector<int>{a}));
    for (int who : {b, c, d})
        EXPECT_EQ(departures(a, who), 1) << who;
    // A type the workbench does not take, and a code no type has, are notices, not boxes; the
    // program stays connected.
    SendText(a, MessageType::ServerDisconnect, "x");
    EXPECT_EQ(server.Notices().Entries().back(), "Received invalid message!");
    const std::size_t notices = server.Notices().Entries().size();
    Send(a, CMessage::OfCode(42));
    EXPECT_EQ(server.Notices().Entries().size(), notices + 1);
    EXPECT_EQ(server.Notices().Entries().back(), "Received invalid message!");
    EXPECT_EQ(server.GetUserNumbers(), (std::vector<int>{a}));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ServerCore, UnfinishedMessagesOfAllProgramsAreBoundedTogether) {
    MessageLimits limits;
    limits.maxHeldBytes = 1 << 20;
    ExternalSolverServer bounded([] {}, limits);
    std::string error;
    ASSERT_TRUE(bounded.Init(5000, &listener, error));
    std::vector<std::shared_ptr<Wire>> lines;
    const auto connect = [&] {
        lines.push_back(std::make_shared<Wire>());
        return bounded.AddUser(std::make_unique<FakeConnection>(lines.back()));
    };
    // A line of 450,000 characters, held back before its last byte.
    CMessage line(MessageType::TextLine);
    line.SetString(0, std::string(450000, 'x'));
    const Bytes bytes = MessageEncoder::Encode(line);
    const int a = connect();
    const int b = connect();
    const int c = connect();
    bounded.OnBytes(a, bytes.data(), bytes.size() - 1);
    bounded.OnBytes(b, bytes.data(), bytes.size() - 1);
    EXPECT_GE(bounded.HeldBytes(), 899900u);
    // A third would take them past 1 MB: that program is dropped with a notice, and only it.
    bounded.OnBytes(c, bytes.data(), 300000);
    EXPECT_EQ(bounded.GetUserNumbers(), (std::vector<int>{a, b}));
    EXPECT_TRUE(lines[2]->closed);
    EXPECT_EQ(bounded.Notices().Entries().back(),
              "User#3 disconnected: unfinished messages of all connections would hold more than 1 MB");
    EXPECT_EQ(lines[0]->received.back().GetType(), MessageType::Disconnect);
    EXPECT_EQ(lines[0]->received.back().Number(), c);
    EXPECT_LT(bounded.HeldBytes(), 1u << 20);
    // The others finish their messages, which go round as usual, and leave room for more.
    bounded.OnBytes(a, bytes.data() + bytes.size() - 1, 1);
    EXPECT_EQ(lines[1]->received.back().Text(), "[User#1] " + std::string(450000, 'x'));
    const int d = connect();
    bounded.OnBytes(d, bytes.data(), bytes.size() - 1);
    EXPECT_EQ(bounded.GetUserCount(), 3);
    bounded.OnConnectionLost(b);
    bounded.OnConnectionLost(d);
    EXPECT_EQ(bounded.HeldBytes(), 0u);
    bounded.Shutdown();
}

TEST(NoticeLog, HoldsBackBurstsAndSaysHowMany) {
    auto now = std::chrono::steady_clock::time_point{} + std::chrono::hours(1);
    NoticeLog log([&] { return now; });
    std::vector<std::string> shown;
    log.SetDisplay([&](const std::string& t) { shown.push_back(t); });
    for (int i = 0; i < 20; ++i)
        log.Add("n");
    EXPECT_EQ(shown.size(), static_cast<std::size_t>(NoticeLog::kBurst));
    EXPECT_EQ(log.HeldBack(), 20 - NoticeLog::kBurst);
    now += std::chrono::seconds(2);
    log.Add("later");
    EXPECT_EQ(shown.back(), "later (15 more notices in the log)");
    EXPECT_EQ(log.Entries().size(), 21u);
}

} // namespace
