#pragma once
// When `tav --automation` ends. It serves a document that clients build call by call, so it
// stays up while it holds a document a client has changed; otherwise it ends as soon as every
// client that called it has left the bus. Whatever it holds, it ends once no call has come for
// the idle limit (or when the session bus goes, which the program watches itself). A plain
// object with the time passed in, so that the rule is tested without a bus or a clock.

#include <chrono>

namespace TavWorkbench::App {

class AutomationLifetime {
public:
    using Clock = std::chrono::steady_clock;
    // How long the service waits for the next call.
    static constexpr std::chrono::minutes kIdleLimit{5};

    explicit AutomationLifetime(Clock::time_point start, Clock::duration idleLimit = kIdleLimit)
        : m_lastCall(start), m_idleLimit(idleLimit) {}

    // A call arrived at `now`; `changed` when it changed the document (built a part of the
    // problem, chose a solver, started or stopped a solve).
    void Called(Clock::time_point now, bool changed) {
        m_lastCall = now;
        m_changed = m_changed || changed;
    }
    // Whether the program ends when its last caller has left the bus.
    bool EndsWhenCallersLeave() const { return !m_changed; }
    // When the program ends unless another call comes first.
    Clock::time_point IdleDeadline() const { return m_lastCall + m_idleLimit; }

private:
    Clock::time_point m_lastCall;
    Clock::duration m_idleLimit;
    bool m_changed = false;
};

} // namespace TavWorkbench::App
