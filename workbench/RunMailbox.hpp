#pragma once
// The events one run thread posts for the user-interface thread: the newest progress count
// (older ones are replaced), the engine events in order, and the one finished event. Posting
// never waits for the receiver; after each post the host's waker (if any) is called on the
// posting thread so that it can schedule the delivery on its own thread.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

namespace TavWorkbench {

class RunMailbox {
public:
    enum class EngineEvent { Started, Solved };

    struct Batch {
        std::vector<std::pair<EngineEvent, int>> engineEvents;
        std::optional<int> progress;
        std::optional<int> finished;
        bool Empty() const { return engineEvents.empty() && !progress && !finished; }
    };

    // `waker` may be empty; it is called on the posting thread and must be thread-safe.
    explicit RunMailbox(std::function<void()> waker = {}) : m_waker(std::move(waker)) {}

    void PostProgress(int found);
    void PostFinished(int found);
    void PostEngineStarted(int position);
    void PostEngineSolved(int position);

    // Takes everything pending.
    Batch Take();
    // Waits until something is pending or `timeout` passed; true when something is pending.
    bool Wait(std::chrono::milliseconds timeout);

private:
    void Posted(std::unique_lock<std::mutex>& lock);

    std::mutex m_mutex;
    std::condition_variable m_posted;
    Batch m_pending;
    std::function<void()> m_waker;
};

} // namespace TavWorkbench
