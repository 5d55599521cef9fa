#pragma once
// The solve session's clock in the windows: the steady clock, and timers on QTimer (their
// callbacks come from the event loop of the thread that made them, the user-interface thread).

#include "workbench/SolveClock.hpp"

namespace TavWorkbench::Ui {

class QtSolveClock : public SolveClock {
public:
    TimePoint Now() const override;
    std::unique_ptr<Timer> MakeTimer(std::function<void()> fire) override;
};

} // namespace TavWorkbench::Ui
