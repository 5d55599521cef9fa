#include "workbench/WaitingClock.hpp"

#include <algorithm>

namespace TavWorkbench {

struct WaitingClock::Entry {
    std::function<void()> fire;
    bool active = false;
    bool repeating = false;
    std::chrono::milliseconds interval{0};
    TimePoint due{};
    // The order of the starts breaks ties between timers due at the same time.
    std::uint64_t started = 0;
    // The pass of FireDue that fired it last, or that it was started in.
    std::uint64_t pass = 0;
};

class WaitingClock::ServedTimer : public SolveClock::Timer {
public:
    ServedTimer(WaitingClock& clock, std::shared_ptr<Entry> entry)
        : m_clock(clock), m_entry(std::move(entry)) {}
    ~ServedTimer() override {
        m_entry->active = false;
        auto& entries = m_clock.m_entries;
        entries.erase(std::remove(entries.begin(), entries.end(), m_entry), entries.end());
    }
    ServedTimer(const ServedTimer&) = delete;
    ServedTimer& operator=(const ServedTimer&) = delete;

    void Start(std::chrono::milliseconds interval, bool repeating) override {
        m_entry->active = true;
        m_entry->repeating = repeating;
        m_entry->interval = std::max(interval, std::chrono::milliseconds(0));
        m_entry->due = m_clock.Now() + m_entry->interval;
        m_entry->started = ++m_clock.m_starts;
        m_entry->pass = m_clock.m_passes;
    }
    void Stop() override { m_entry->active = false; }
    bool IsActive() const override { return m_entry->active; }

private:
    WaitingClock& m_clock;
    std::shared_ptr<Entry> m_entry;
};

SolveClock::TimePoint WaitingClock::Now() const {
    return m_now ? m_now() : std::chrono::steady_clock::now();
}

std::unique_ptr<SolveClock::Timer> WaitingClock::MakeTimer(std::function<void()> fire) {
    auto entry = std::make_shared<Entry>();
    entry->fire = std::move(fire);
    m_entries.push_back(entry);
    return std::make_unique<ServedTimer>(*this, std::move(entry));
}

int WaitingClock::FireDue() {
    // Timers fired or started during this pass have a pass number beyond the previous ones.
    const std::uint64_t pass = ++m_passes;
    int fired = 0;
    while (true) {
        const TimePoint now = Now();
        std::shared_ptr<Entry> next;
        for (const auto& entry : m_entries) {
            if (!entry->active || entry->pass == pass || entry->due > now) continue;
            if (!next || entry->due < next->due ||
                (entry->due == next->due && entry->started < next->started))
                next = entry;
        }
        if (!next) break;
        next->pass = pass;
        if (next->repeating) {
            next->due = now + next->interval;
        } else {
            next->active = false;
        }
        // `next` keeps the entry, and so its callback, alive even when the callback destroys its
        // timer.
        next->fire();
        ++fired;
    }
    return fired;
}

std::optional<std::chrono::milliseconds> WaitingClock::UntilNextDue() const {
    std::optional<TimePoint> earliest;
    for (const auto& entry : m_entries)
        if (entry->active && (!earliest || entry->due < *earliest)) earliest = entry->due;
    if (!earliest) return std::nullopt;
    return std::max(std::chrono::ceil<std::chrono::milliseconds>(*earliest - Now()),
                    std::chrono::milliseconds(0));
}

void WaitingClock::Serve(const std::function<bool()>& done,
                         const std::function<void(std::chrono::milliseconds)>& wait,
                         std::chrono::milliseconds longest) {
    while (!done()) {
        FireDue();
        if (done()) break;
        wait(std::min(UntilNextDue().value_or(longest), longest));
    }
}

} // namespace TavWorkbench
