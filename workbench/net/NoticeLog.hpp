#pragma once
// Notices that arrive from the network (an invalid message, refused solutions): kept in a log
// and passed on to a non-modal display at most kBurst times per second; what is held back is
// counted and said with the next notice that passes. The clock is injectable for tests.

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace TavNet {

class NoticeLog {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr int kBurst = 5;

    explicit NoticeLog(Clock clock = [] { return std::chrono::steady_clock::now(); })
        : m_clock(std::move(clock)) {}

    // Where passed notices go (empty: only the log).
    void SetDisplay(std::function<void(const std::string&)> display) { m_display = std::move(display); }
    void Add(const std::string& text);
    std::vector<std::string> Entries() const;
    int HeldBack() const { return m_heldBack; }

private:
    Clock m_clock;
    std::function<void(const std::string&)> m_display;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_entries;
    std::chrono::steady_clock::time_point m_windowStart{};
    int m_inWindow = 0;
    int m_heldBack = 0;
};

} // namespace TavNet
