// The external solvers' road on loopback, timed: the round trip of one program (request,
// render, receive, solve, send back, checked and stored) for N-queens, and the server's
// throughput when 20 programs ask for the problem at once. Prints one line per measure.

#include "tests/extsolver/EventLoopWait.hpp"
#include "tests/workbench/net/LoopbackHelpers.hpp"

#include "extsolver/CMelvaneApp.hpp"
#include "protocol/MessageDecoder.hpp"
#include "protocol/MessageEncoder.hpp"

#include <QCoreApplication>
#include <QTcpSocket>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

using namespace TavNet;
using Clock = std::chrono::steady_clock;
using TavTest::WaitFor;

namespace {

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void RoundTrip(ExternalSolverHost& host, int n, int repeats) {
    Melvane::CMelvaneApp app("localhost");
    app.Dialog().serverName = "127.0.0.1";
    app.Dialog().port = std::to_string(host.Port());
    app.OnConnect();
    WaitFor([&] { return host.Server().GetUserName(1) == "GLS"; });
    host.Server().chooseProgram = [](const TavNet::CServerObj::UserList& programs) {
        return programs.at(0).second;
    };
    std::vector<double> total, receive, solve, store;
    for (int r = 0; r < repeats; ++r) {
        host.SetProblem(TavTest::QueensText(n));
        WaitFor([&] { return app.Dialog().IsEnabled(Melvane::MelvaneButton::Read); });
        const auto t0 = Clock::now();
        app.OnReadProblem();
        WaitFor([&] { return app.Dialog().IsEnabled(Melvane::MelvaneButton::Solve); }, 600000);
        const auto t1 = Clock::now();
        bool finished = false;
        auto c = QObject::connect(&app, &Melvane::CMelvaneApp::solveFinished, [&] { finished = true; });
        app.OnSolveProblem();
        WaitFor([&] { return finished; }, 600000);
        QObject::disconnect(c);
        const auto t2 = Clock::now();
        app.OnSendSolutions();
        WaitFor([&] { return host.Server().HasSolutions(1); }, 600000);
        host.Server().ShowExternalSolutions();
        const auto t3 = Clock::now();
        if (TavTest::CheckedRows(host.Document(), TavTest::QueensText(n)) != 1) std::printf("WRONG STORE\n");
        total.push_back(Ms(t3 - t0));
        receive.push_back(Ms(t1 - t0));
        solve.push_back(Ms(t2 - t1));
        store.push_back(Ms(t3 - t2));
    }
    std::printf(
        "round trip %d-queens (median of %d): total %.1f ms = request+render+receive %.1f ms, solve %.1f ms, "
        "send+check+store %.1f ms\n",
        n, repeats, Median(total), Median(receive), Median(solve), Median(store));
}

// count programs ask at once; returns ms until each has its problem.
double Burst(ExternalSolverHost& host, std::vector<std::unique_ptr<QTcpSocket>>& sockets) {
    std::vector<MessageDecoder> decoders(sockets.size());
    std::vector<bool> got(sockets.size(), false);
    CMessage request(MessageType::RequestProblem);
    request.SetString(0, "");
    const Bytes bytes = MessageEncoder::Encode(request);
    const auto t0 = Clock::now();
    for (auto& s : sockets)
        s->write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    WaitFor(
        [&] {
            bool all = true;
            for (std::size_t i = 0; i < sockets.size(); ++i) {
                const QByteArray in = sockets[i]->readAll();
                decoders[i].Feed(reinterpret_cast<const std::uint8_t*>(in.data()),
                                 static_cast<std::size_t>(in.size()));
                for (CMessage m; decoders[i].Next(m);)
                    if (m.GetType() == MessageType::Problem) got[i] = true;
                all = all && got[i];
            }
            return all;
        },
        600000);
    (void)host;
    return Ms(Clock::now() - t0);
}

void Throughput(ExternalSolverHost& host, int n, int clients, int repeats) {
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    for (int i = 0; i < clients; ++i) {
        sockets.push_back(std::make_unique<QTcpSocket>());
        sockets.back()->connectToHost("127.0.0.1", host.Port());
        QTcpSocket* s = sockets.back().get();
        WaitFor([s] { return s->state() == QAbstractSocket::ConnectedState; });
    }
    WaitFor([&] { return host.Server().GetUserCount() == clients; });
    std::vector<double> fresh, ready;
    for (int r = 0; r < repeats; ++r) {
        host.SetProblem(TavTest::QueensText(n));
        fresh.push_back(Burst(host, sockets));
        ready.push_back(Burst(host, sockets));
    }
    const double bytes = static_cast<double>(host.Server().DescriptionText().size());
    std::printf(
        "%d programs ask at once for %d-queens (%.0f KB description, median of %d): %.1f ms when the "
        "description is rendered first (%.0f requests/s), %.1f ms from the stored text (%.0f requests/s, "
        "%.0f MB/s)\n",
        clients, n, bytes / 1024, repeats, Median(fresh), clients / Median(fresh) * 1000, Median(ready),
        clients / Median(ready) * 1000, clients * bytes / (Median(ready) / 1000) / 1e6);
    for (auto& s : sockets)
        s->abort();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ExternalSolverHost host;
    if (!host.Start(0) && !TavTest::StartOnFieldPort(host)) return 1;
    // The client's port field takes ports up to 9999.
    if (host.Port() > 9999) {
        host.Shutdown();
        if (!TavTest::StartOnFieldPort(host)) return 1;
    }
    RoundTrip(host, 50, 5);
    host.Shutdown();
    if (!TavTest::StartOnFieldPort(host)) return 1;
    Throughput(host, 50, 20, 9);
    Throughput(host, 200, 20, 5);
    return 0;
}
