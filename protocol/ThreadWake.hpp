#pragma once
// Wakes the thread that made it from any other thread and runs a function there: an event
// counter (eventfd) that the owner's event loop watches. The waking thread hands nothing to Qt
// (no event or functor crosses threads), so what it leaves for the owner goes in a mailbox
// under the leaver's own lock. Qt Core.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace TavNet {

class ThreadWake : public QObject {
public:
    // onWake runs on the owner's thread once for one or more Wake calls. Throws
    // Platform::ResourceError when the counter cannot be made.
    explicit ThreadWake(std::function<void()> onWake, QObject* parent = nullptr);
    ~ThreadWake() override;
    ThreadWake(const ThreadWake&) = delete;
    ThreadWake& operator=(const ThreadWake&) = delete;

    // Any thread; never blocks. The caller keeps this object alive until its threads have
    // ended.
    void Wake();

private:
    void OnActivated();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    std::function<void()> m_onWake;
};

} // namespace TavNet
