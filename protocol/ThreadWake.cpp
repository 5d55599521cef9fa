#include "protocol/ThreadWake.hpp"

#include "platform/FatalError.hpp"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <sys/eventfd.h>
#include <unistd.h>

namespace TavNet {

ThreadWake::ThreadWake(std::function<void()> onWake, QObject* parent)
    : QObject(parent), m_onWake(std::move(onWake)) {
    m_fd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (m_fd < 0) throw Platform::ResourceError(std::string("cannot make a wake-up counter: ") + std::strerror(errno));
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ThreadWake::OnActivated);
}

ThreadWake::~ThreadWake() {
    delete m_notifier;
    ::close(m_fd);
}

void ThreadWake::Wake() {
    const std::uint64_t one = 1;
    // A full counter (EAGAIN) already wakes the owner.
    [[maybe_unused]] const ssize_t written = ::write(m_fd, &one, sizeof one);
}

void ThreadWake::OnActivated() {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t got = ::read(m_fd, &count, sizeof count);
    if (m_onWake) m_onWake();
}

} // namespace TavNet
