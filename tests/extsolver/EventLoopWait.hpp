#pragma once
// Runs the event loop until a condition holds, for tests over sockets and worker threads. The
// timeout only ends a test that would otherwise hang; no test decides anything by time.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>

#include <functional>

namespace TavTest {

inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 20000) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

} // namespace TavTest

#include <QHostAddress>
#include <QTcpServer>

#include <unistd.h>

namespace TavTest {

// Listens on a free loopback port that the external solver's port field takes (at most 9999),
// starting the search at a place of this process's own so parallel tests rarely collide.
inline bool ListenOnFieldPort(QTcpServer& server) {
    const int span = 9999 - 2000 + 1;
    const int start = static_cast<int>(::getpid() * 7919u % span);
    for (int i = 0; i < span; ++i)
        if (server.listen(QHostAddress::LocalHost, static_cast<quint16>(2000 + (start + i) % span)))
            return true;
    return false;
}

} // namespace TavTest
