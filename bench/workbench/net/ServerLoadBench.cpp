// The result server under load from one program, measured from outside:
//   stall  - one program sends 10,000 valid 100-queens solutions (about 9 MB) while another
//            program sends a line of text every 10 ms: the longest and the median
//            time until each line comes back, and the time until the solutions are taken;
//   memory - 20 programs each send all but the last byte of a 50 MB message and hold it: the
//            process's peak resident memory, and how many programs stay connected.
// With no argument both run, each in a process of its own (peak memory is per process).
// The programs of the memory measure write from a small buffer on plain threads, so what the
// process holds is the server's.

#include "tests/extsolver/EventLoopWait.hpp"
#include "tests/workbench/net/LoopbackHelpers.hpp"

#include "protocol/MessageDecoder.hpp"
#include "protocol/MessageEncoder.hpp"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <netinet/in.h>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace TavNet;
using Clock = std::chrono::steady_clock;
using TavTest::WaitFor;

namespace {

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Runs the event loop for ms milliseconds, asleep while nothing happens.
void Idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A program on a QTcpSocket of this thread: sends messages, gathers what comes back.
class Program {
public:
    explicit Program(quint16 port) {
        m_socket.connectToHost("127.0.0.1", port);
        WaitFor([this] { return m_socket.state() == QAbstractSocket::ConnectedState; });
    }
    void Send(MessageType type, const std::string& text) {
        CMessage m(type);
        m.SetString(0, text);
        const Bytes bytes = MessageEncoder::Encode(m);
        m_socket.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }
    // Waits for a message of the type whose text is `text` (any text when empty), running the
    // event loop asleep while nothing arrives, so that the waiting takes no processor time from
    // the server's threads.
    bool Await(MessageType type, const std::string& text = "", int timeoutMs = 600000) {
        bool found = false;
        QEventLoop loop;
        const auto take = [&] {
            const QByteArray in = m_socket.readAll();
            m_decoder.Feed(reinterpret_cast<const std::uint8_t*>(in.data()),
                           static_cast<std::size_t>(in.size()));
            for (CMessage m; m_decoder.Next(m);)
                found = found || (m.GetType() == type && (text.empty() || m.Text() == text));
            if (found) loop.quit();
        };
        const auto connection = QObject::connect(&m_socket, &QTcpSocket::readyRead, &loop, take);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        take();
        if (!found) loop.exec();
        QObject::disconnect(connection);
        return found;
    }

private:
    QTcpSocket m_socket;
    MessageDecoder m_decoder;
};

// One placement of n queens (n mod 6 is not 2 or 3): the even rows, then the odd ones.
std::vector<int> Queens(int n) {
    std::vector<int> columns;
    for (int r = 1; r < n; r += 2)
        columns.push_back(r);
    for (int r = 0; r < n; r += 2)
        columns.push_back(r);
    return columns;
}

std::string SolutionsText(int n, int count) {
    const std::vector<int> q = Queens(n);
    std::string one = "Solution " + std::to_string(n);
    for (int i = 0; i < n; ++i)
        one += " q[" + std::to_string(i) + "] " + std::to_string(q[static_cast<std::size_t>(i)]);
    one += " Cost 0 Soft 0\n";
    std::string text = std::to_string(count) + "\n";
    for (int s = 0; s < count; ++s)
        text += one;
    return text;
}

int Stall() {
    const int n = 100;
    const int count = 10000;
    ExternalSolverHost host;
    if (!TavTest::StartOnFieldPort(host)) return 1;
    host.SetProblem(TavTest::QueensText(n));
    Program sender(host.Port());
    Program other(host.Port());
    sender.Send(MessageType::Register, "sender");
    other.Send(MessageType::Register, "other");
    sender.Send(MessageType::RequestProblem, "");
    if (!sender.Await(MessageType::Problem)) return 1;
    const std::string text = SolutionsText(n, count);

    std::vector<double> waits;
    const auto t0 = Clock::now();
    sender.Send(MessageType::Solutions, text);
    Clock::time_point taken{};
    for (int k = 0; Ms(Clock::now() - t0) < 600000; ++k) {
        const std::string line = "ping " + std::to_string(k);
        const auto s = Clock::now();
        other.Send(MessageType::TextLine, line);
        if (!other.Await(MessageType::Broadcast, "[User#2] " + line)) return 1;
        waits.push_back(Ms(Clock::now() - s));
        if (taken == Clock::time_point{} && host.Server().HasSolutions(1)) taken = Clock::now();
        // A few more lines after the solutions are taken, so the end of the check is measured.
        if (taken != Clock::time_point{} && Ms(Clock::now() - taken) > 200) break;
        Idle(10);
    }
    std::vector<double> sorted = waits;
    std::sort(sorted.begin(), sorted.end());
    std::printf(
        "stall: %d %d-queens solutions (%.1f MB): taken after %.0f ms; another program's %zu lines came back "
        "in at most %.1f ms (median %.2f ms)\n",
        count, n, static_cast<double>(text.size()) / 1e6,
        taken == Clock::time_point{} ? -1.0 : Ms(taken - t0), waits.size(), sorted.back(),
        sorted[sorted.size() / 2]);
    return 0;
}

long PeakKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A program on a plain socket that sends all but the last byte of one message with a string of
// `length` characters, from a 64 KB buffer. Ends when it has sent them or the server closed.
void HoldPartialMessage(quint16 port, std::uint32_t length, std::atomic<int>& done,
                        std::atomic<int>& refused) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    // Type 9, one item: a string with the 32-bit length prefix (FF FF FF then the length).
    std::vector<std::uint8_t> head = {9, 0, 0, 0, 1, 0, 0, 0, 2, 0xFF, 0xFF, 0xFF};
    for (int i = 0; i < 4; ++i)
        head.push_back(static_cast<std::uint8_t>(length >> (8 * i)));
    ok = ok && ::send(fd, head.data(), head.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(head.size());
    const std::vector<char> chunk(64 * 1024, '7');
    std::uint64_t left = length - 1;
    while (ok && left > 0) {
        const std::size_t piece = static_cast<std::size_t>(std::min<std::uint64_t>(left, chunk.size()));
        const ssize_t sent = ::send(fd, chunk.data(), piece, MSG_NOSIGNAL);
        if (sent <= 0)
            ok = false;
        else
            left -= static_cast<std::uint64_t>(sent);
    }
    if (!ok) ++refused;
    ++done;
    // Holds the connection (and the unfinished message) until the process ends.
    (void)fd;
}

int Memory() {
    const int clients = 20;
    const std::uint32_t length = 50u << 20;
    ExternalSolverHost host;
    if (!TavTest::StartOnFieldPort(host)) return 1;
    const long before = PeakKb();
    std::atomic<int> done{0};
    std::atomic<int> refused{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < clients; ++i)
        threads.emplace_back(HoldPartialMessage, host.Port(), length, std::ref(done), std::ref(refused));
    WaitFor([&] { return done.load() == clients; }, 600000);
    // Whatever is still on its way in is read.
    Idle(1000);
    std::printf("memory: %d programs each hold %u MB of one message: peak resident %ld MB (%ld MB before "
                "they connected); %d still connected, %d cut off\n",
                clients, length >> 20, PeakKb() / 1024, before / 1024, host.Server().GetUserCount(),
                refused.load());
    const auto notices = host.Server().Notices().Entries();
    if (!notices.empty()) std::printf("  last notice: %s\n", notices.back().c_str());
    std::fflush(stdout);
    // The client threads block in nothing now; their sockets close with the process.
    for (auto& t : threads)
        t.join();
    std::_Exit(0);
}

int Run(const std::string& what, int argc, char** argv) {
    QCoreApplication application(argc, argv);
    return what == "stall" ? Stall() : Memory();
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1) return Run(argv[1], argc, argv);
    int status = 0;
    for (const char* what : {"stall", "memory"}) {
        const pid_t child = ::fork();
        if (child == 0) {
            const int result = Run(what, argc, argv);
            std::fflush(stdout);
            std::_Exit(result);
        }
        int childStatus = 0;
        ::waitpid(child, &childStatus, 0);
        status |= childStatus;
    }
    return status == 0 ? 0 : 1;
}
