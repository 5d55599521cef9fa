#pragma once
// The time a solve session reads and the timers it sets. The windows give it one on Qt's
// timers, command-line programs one whose timers their waiting thread serves (WaitingClock),
// tests one they move by hand. Every call and every timer callback belongs to one thread, the
// session's.

#include <chrono>
#include <functional>
#include <memory>

namespace TavWorkbench {

class SolveClock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    // One timer: calls its callback on the clock's thread when it falls due, once or every
    // interval, until stopped or destroyed (destroying it stops it).
    class Timer {
    public:
        virtual ~Timer() = default;
        // Starts (or starts again) from now: due after `interval` (negative counts as 0), then
        // every `interval` when `repeating`.
        virtual void Start(std::chrono::milliseconds interval, bool repeating) = 0;
        virtual void Stop() = 0;
        virtual bool IsActive() const = 0;
    };

    virtual ~SolveClock() = default;
    virtual TimePoint Now() const = 0;
    // A stopped timer that calls `fire` when it falls due.
    virtual std::unique_ptr<Timer> MakeTimer(std::function<void()> fire) = 0;
};

} // namespace TavWorkbench
