// melvane reading large problem descriptions. Part 1 loads descriptions of set variables as
// melvane does (SolverInterface::LoadProblem) and prints the text's size, the time and the
// peak memory the load added; part 2 sends one to the client model over loopback and prints
// the longest pause of its event loop while the problem is received and read.
// Usage: extsolver_bench [--no-loop] [ELEMENTS...] (each ELEMENTS: one set variable of that
// many possible elements, every one in the text; default: a table up to the reader's limits).

#include "extsolver/CMelvaneApp.hpp"
#include "extcore/SolverInterface.hpp"
#include "platform/FatalError.hpp"
#include "protocol/MessageEncoder.hpp"
#include "tests/extsolver/EventLoopWait.hpp"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

long StatusKiB(const char* field) {
    std::ifstream status("/proc/self/status");
    const std::size_t length = std::strlen(field);
    for (std::string line; std::getline(status, line);)
        if (line.compare(0, length, field) == 0) return std::atol(line.c_str() + length);
    return -1;
}

// Lets the next peak (VmHWM) start from what is resident now.
void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

struct Case {
    std::string what;
    std::string text;
};

// `variables` set variables of `elements` possible elements each, every element in the text.
Case SetVariables(int variables, long elements) {
    Case c{std::to_string(variables) + " x " + std::to_string(elements), "<Z> " + std::to_string(variables)};
    for (int v = 0; v < variables; ++v) {
        c.text += " SetVar s" + std::to_string(v) + " " + std::to_string(elements + 2);
        for (long e = 0; e < elements; ++e)
            c.text += " " + std::to_string(e);
    }
    c.text += " <END>";
    return c;
}

void Load(Case c) {
    const double textMb = static_cast<double>(c.text.size()) / 1e6;
    Melvane::SolverInterface solver;
    ResetPeak();
    const long before = StatusKiB("VmRSS:");
    const auto t0 = std::chrono::steady_clock::now();
    std::string result = "read";
    try {
        solver.LoadProblem(std::move(c.text));
    } catch (const Platform::FatalError& e) {
        result = std::string("refused: ") + e.what();
        if (result.size() > 70) result = result.substr(0, 67) + "...";
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const double peakMb = static_cast<double>(StatusKiB("VmHWM:") - before) / 1024.0;
    std::printf("%-16s %8.2f %8.3f %9.1f %7.0fx  %s\n", c.what.c_str(), textMb, seconds, peakMb,
                peakMb * 1.048576 / textMb, result.c_str());
}

// The longest gap between two ticks of a 2 ms timer on the client model's thread, from the
// moment the problem is sent until "Solve Problem" is offered (or the problem refused).
void EventLoopPause(const Case& c) {
    QTcpServer server;
    TavTest::ListenOnFieldPort(server);
    QTcpSocket* peer = nullptr;
    QObject::connect(&server, &QTcpServer::newConnection, [&] { peer = server.nextPendingConnection(); });
    Melvane::CMelvaneApp app("localhost");
    app.Dialog().serverName = "127.0.0.1";
    app.Dialog().port = std::to_string(server.serverPort());
    app.OnConnect();
    TavTest::WaitFor([&] { return peer != nullptr; });
    QElapsedTimer sinceTick;
    qint64 longest = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { longest = std::max(longest, sinceTick.restart()); });
    TavNet::CMessage problem(TavNet::MessageType::Problem);
    problem.SetString(0, c.text);
    const TavNet::Bytes bytes = TavNet::MessageEncoder::Encode(problem);
    QElapsedTimer total;
    total.start();
    sinceTick.start();
    tick.start(2);
    peer->write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    const auto done = [&] {
        const auto& log = app.Dialog().Log();
        return app.Dialog().IsEnabled(Melvane::MelvaneButton::Solve) ||
               std::any_of(log.begin(), log.end(),
                           [](const std::string& l) { return l.rfind("Problem refused", 0) == 0; });
    };
    TavTest::WaitFor(done, 600000);
    tick.stop();
    std::printf("%-16s %8.2f MB: read in %.2f s, longest event-loop pause %lld ms\n", c.what.c_str(),
                static_cast<double>(c.text.size()) / 1e6, static_cast<double>(total.elapsed()) / 1000.0,
                static_cast<long long>(longest));
}

} // namespace

int main(int argc, char* argv[]) {
    bool loop = true;
    std::vector<Case> cases;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-loop") == 0)
            loop = false;
        else
            cases.push_back(SetVariables(1, std::atol(argv[i])));
    }
    if (cases.empty())
        cases = {SetVariables(1, 10000), SetVariables(1, 65536), SetVariables(2, 65536),
                 SetVariables(3, 65536), SetVariables(1, 1000000)};
    std::printf("%-16s %8s %8s %9s %8s  %s\n", "set variables", "text MB", "time s", "peak MB", "ratio",
                "result");
    // Each load in a process of its own, so that no case reuses memory an earlier one freed.
    for (const Case& c : cases) {
        std::fflush(stdout);
        const pid_t child = fork();
        if (child == 0) {
            Load(c);
            std::fflush(stdout);
            _exit(0);
        }
        waitpid(child, nullptr, 0);
    }
    QCoreApplication application(argc, argv);
    if (loop)
        for (const Case& c : {cases.front(), cases[cases.size() / 2], cases.back()})
            EventLoopPause(c);
    return 0;
}
