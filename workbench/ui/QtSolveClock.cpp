#include "workbench/ui/QtSolveClock.hpp"

#include <QTimer>

#include <algorithm>
#include <climits>

namespace TavWorkbench::Ui {

namespace {

class QtTimer : public SolveClock::Timer {
public:
    explicit QtTimer(std::function<void()> fire) {
        QObject::connect(&m_timer, &QTimer::timeout, [fire = std::move(fire)] { fire(); });
    }
    void Start(std::chrono::milliseconds interval, bool repeating) override {
        m_timer.setSingleShot(!repeating);
        // QTimer counts in int milliseconds: a longer interval waits as long as it can.
        m_timer.start(
            static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(interval.count(), 0, INT_MAX)));
    }
    void Stop() override { m_timer.stop(); }
    bool IsActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

} // namespace

SolveClock::TimePoint QtSolveClock::Now() const {
    return std::chrono::steady_clock::now();
}

std::unique_ptr<SolveClock::Timer> QtSolveClock::MakeTimer(std::function<void()> fire) {
    return std::make_unique<QtTimer>(std::move(fire));
}

} // namespace TavWorkbench::Ui
