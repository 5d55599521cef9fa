// A well-behaved program keeps being served while hostile clients connect: random bytes, huge
// counts and lengths, byte-by-byte senders, abrupt closes and 200 connect/disconnect cycles.
// Every round of the good program's solutions is taken. Seeds are fixed and printed.

#include "tests/workbench/net/LoopbackHelpers.hpp"

#include "extsolver/CMelvaneApp.hpp"
#include "protocol/MessageEncoder.hpp"

#include <QTcpSocket>

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

using namespace TavNet;
using Melvane::CMelvaneApp;
using Melvane::MelvaneButton;
using TavTest::WaitFor;

namespace {

QByteArray AsBytes(const Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

// The hostile clients of one round; each socket does its harm and is closed or left open.
class Hostiles {
public:
    Hostiles(quint16 port, unsigned seed) : m_port(port), m_rng(seed) {}

    QTcpSocket* Open() {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost("127.0.0.1", m_port);
        // The event loop runs meanwhile, so the server keeps accepting (its backlog is 5).
        QTcpSocket* s = socket.get();
        EXPECT_TRUE(WaitFor([s] { return s->state() == QAbstractSocket::ConnectedState; }));
        m_sockets.push_back(std::move(socket));
        return m_sockets.back().get();
    }
    void RandomBytes() {
        QByteArray bytes(static_cast<qsizetype>(1 + m_rng() % 4096), '\0');
        for (auto& b : bytes)
            b = static_cast<char>(m_rng());
        Open()->write(bytes);
    }
    void HugeCountsAndLengths() {
        Open()->write(AsBytes({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F}));
        Open()->write(AsBytes({1, 0, 0, 0, 1, 0, 0, 0, 2, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
        Open()->write(AsBytes({9, 0, 0, 0, 1, 0, 0, 0, 3, 0xFF, 0xFF, 0xFF, 0xFF, 'x'}));
        Open()->write(
            AsBytes({2, 0, 0, 0, 1, 0, 0, 0, 2, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    }
    // A valid registration, one byte per turn of the event loop.
    void StartSlowSender() {
        CMessage reg(MessageType::Register);
        reg.SetString(0, "slow");
        m_slow = Open();
        m_slowBytes = AsBytes(MessageEncoder::Encode(reg));
        m_slowAt = 0;
    }
    bool SlowSenderStep() {
        if (m_slow == nullptr || m_slowAt >= m_slowBytes.size()) return false;
        m_slow->write(m_slowBytes.constData() + m_slowAt++, 1);
        m_slow->flush();
        return true;
    }
    // Half a message, then the connection is dropped at once.
    void AbruptClose() {
        QTcpSocket* s = Open();
        CMessage m(MessageType::Solutions);
        m.SetString(0, std::string(3000, '7'));
        const QByteArray bytes = AsBytes(MessageEncoder::Encode(m));
        s->write(bytes.left(bytes.size() / 2));
        s->flush();
        s->abort();
    }
    void ConnectDisconnect() {
        QTcpSocket* s = Open();
        if (m_rng() % 2 == 0) {
            CMessage bye(MessageType::Disconnect);
            s->write(AsBytes(MessageEncoder::Encode(bye)));
            s->flush();
        }
        s->disconnectFromHost();
    }
    void CloseAll() {
        for (auto& s : m_sockets)
            s->abort();
    }

private:
    quint16 m_port;
    std::mt19937 m_rng;
    std::vector<std::unique_ptr<QTcpSocket>> m_sockets;
    QTcpSocket* m_slow = nullptr;
    QByteArray m_slowBytes;
    qsizetype m_slowAt = 0;
};

// The host's problem is 8-queens; the good program (user 1) connects and registers.
bool ConnectGoodProgram(ExternalSolverHost& host, CMelvaneApp& good) {
    host.SetProblem(TavTest::QueensText(8));
    good.Dialog().serverName = "127.0.0.1";
    good.Dialog().port = std::to_string(host.Port());
    return good.OnConnect() && WaitFor([&] { return host.Server().GetUserName(1) == "GLS"; });
}

TEST(HostileClients, AGoodProgramIsServedThroughoutAndLosesNothing) {
    ExternalSolverHost host;
    ASSERT_TRUE(TavTest::StartOnFieldPort(host));
    ExternalSolverServer& server = host.Server();
    CMelvaneApp good("localhost");
    ASSERT_TRUE(ConnectGoodProgram(host, good));

    const int rounds = 5;
    int cycles = 0;
    for (int round = 0; round < rounds; ++round) {
        const unsigned seed = 7001u + static_cast<unsigned>(round);
        SCOPED_TRACE("seed " + std::to_string(seed));
        Hostiles hostiles(host.Port(), seed);
        for (int i = 0; i < 4; ++i)
            hostiles.RandomBytes();
        hostiles.HugeCountsAndLengths();
        hostiles.StartSlowSender();
        hostiles.AbruptClose();

        good.Dialog().solutions = std::to_string(1 + round);
        good.OnReadProblem();
        ASSERT_TRUE(WaitFor([&] {
            hostiles.SlowSenderStep();
            if (cycles < 40 * (round + 1)) {
                hostiles.ConnectDisconnect();
                ++cycles;
            }
            return good.Dialog().IsEnabled(MelvaneButton::Solve);
        }));
        bool finished = false;
        auto connection = QObject::connect(&good, &CMelvaneApp::solveFinished, [&] { finished = true; });
        ASSERT_TRUE(good.OnSolveProblem());
        ASSERT_TRUE(WaitFor([&] {
            hostiles.SlowSenderStep();
            if (cycles < 40 * (round + 1)) {
                hostiles.ConnectDisconnect();
                ++cycles;
            }
            return finished;
        }));
        QObject::disconnect(connection);
        while (cycles < 40 * (round + 1)) {
            hostiles.ConnectDisconnect();
            ++cycles;
        }
        good.OnSendSolutions();
        ASSERT_TRUE(WaitFor([&] {
            hostiles.SlowSenderStep();
            std::string text;
            server.GetUserSolutions(1, text);
            return server.HasSolutions(1) && text == good.Dialog().SolutionsText();
        }));
        server.chooseProgram = [](const CServerObj::UserList& programs) { return programs.at(0).second; };
        server.ShowExternalSolutions();
        EXPECT_EQ(TavTest::CheckedRows(host.Document(), TavTest::QueensText(8)), 1 + round);
        while (hostiles.SlowSenderStep())
            WaitFor([] { return true; });
        hostiles.CloseAll();
        // Every hostile connection ends; the good program stays.
        ASSERT_TRUE(WaitFor([&] { return server.GetUserCount() == 1; }, 5000)) << [&] {
            std::string left;
            for (int n : server.GetUserNumbers())
                left += " " + std::to_string(n) + ":" + server.GetUserName(n);
            return left;
        }();
        EXPECT_EQ(server.GetUserNumbers().front(), 1);
        EXPECT_TRUE(good.IsConnected());
    }
    EXPECT_EQ(cycles, 200);
}

TEST(HostileClients, UnfinishedMessagesPastTheServersBoundCostTheirSenderOnly) {
    MessageLimits limits;
    limits.maxHeldBytes = 1 << 20;
    ExternalSolverHost host(limits);
    ASSERT_TRUE(TavTest::StartOnFieldPort(host));
    ExternalSolverServer& server = host.Server();
    CMelvaneApp good("localhost");
    ASSERT_TRUE(ConnectGoodProgram(host, good));

    // Three programs each send all but the last byte of 450,000 characters: two fit in 1 MB.
    CMessage big(MessageType::Solutions);
    big.SetString(0, std::string(450000, '7'));
    const QByteArray bytes = AsBytes(MessageEncoder::Encode(big));
    Hostiles hostiles(host.Port(), 1);
    for (int i = 0; i < 3; ++i)
        hostiles.Open()->write(bytes.left(bytes.size() - 1));
    ASSERT_TRUE(WaitFor([&] { return server.GetUserCount() == 3 && server.HeldBytes() >= 899900; }))
        << server.GetUserCount() << " " << server.HeldBytes();
    const auto notices = server.Notices().Entries();
    int dropped = 0;
    for (const std::string& notice : notices)
        dropped +=
            notice.find(" disconnected: unfinished messages of all connections would hold more than 1 MB") !=
            std::string::npos;
    EXPECT_EQ(dropped, 1);

    // The good program goes on as before.
    good.OnReadProblem();
    ASSERT_TRUE(WaitFor([&] { return good.Dialog().IsEnabled(MelvaneButton::Solve); }));
    bool finished = false;
    auto connection = QObject::connect(&good, &CMelvaneApp::solveFinished, [&] { finished = true; });
    ASSERT_TRUE(good.OnSolveProblem());
    ASSERT_TRUE(WaitFor([&] { return finished; }));
    QObject::disconnect(connection);
    good.OnSendSolutions();
    ASSERT_TRUE(WaitFor([&] { return server.HasSolutions(1); }));
    hostiles.CloseAll();
    ASSERT_TRUE(WaitFor([&] { return server.GetUserCount() == 1; }));
    EXPECT_EQ(server.HeldBytes(), 0u);
    EXPECT_TRUE(good.IsConnected());
}

} // namespace
