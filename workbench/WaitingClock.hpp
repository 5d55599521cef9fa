#pragma once
// A solve clock whose timers the calling thread serves: Serve waits (on the run's events, for
// example) until the next timer falls due, fires it and goes on until it is told it is done.
// With a time source of its own (a test's hand-moved time) it reads the time there, and
// FireDue fires what is due by then. One thread only; it must outlive its timers.

#include "workbench/SolveClock.hpp"

#include <cstdint>
#include <optional>
#include <vector>

namespace TavWorkbench {

class WaitingClock : public SolveClock {
public:
    using NowFn = std::function<TimePoint()>;

    // `now` is the time source (empty: the steady clock).
    explicit WaitingClock(NowFn now = {}) : m_now(std::move(now)) {}

    TimePoint Now() const override;
    std::unique_ptr<Timer> MakeTimer(std::function<void()> fire) override;

    // Fires the timers due by Now(), earliest first, each once (a repeating one is due again an
    // interval after it fired); a timer started by a callback waits for the next call. Returns
    // how many fired.
    int FireDue();
    // The time until the next timer falls due (zero when one is due); empty when none runs.
    std::optional<std::chrono::milliseconds> UntilNextDue() const;
    // Until `done` holds: fires the due timers, then calls `wait` with the time until the next
    // one falls due (at most `longest`, which is also the wait while no timer runs).
    void Serve(const std::function<bool()>& done, const std::function<void(std::chrono::milliseconds)>& wait,
               std::chrono::milliseconds longest = std::chrono::milliseconds(1000));

private:
    struct Entry;
    class ServedTimer;

    NowFn m_now;
    std::vector<std::shared_ptr<Entry>> m_entries;
    std::uint64_t m_starts = 0;
    std::uint64_t m_passes = 0;
};

} // namespace TavWorkbench
