#include "workbench/RunMailbox.hpp"

namespace TavWorkbench {

void RunMailbox::Posted(std::unique_lock<std::mutex>& lock) {
    lock.unlock();
    m_posted.notify_all();
    if (m_waker) m_waker();
}

void RunMailbox::PostProgress(int found) {
    std::unique_lock lock(m_mutex);
    m_pending.progress = found;
    Posted(lock);
}

void RunMailbox::PostFinished(int found) {
    std::unique_lock lock(m_mutex);
    m_pending.finished = found;
    Posted(lock);
}

void RunMailbox::PostEngineStarted(int position) {
    std::unique_lock lock(m_mutex);
    m_pending.engineEvents.emplace_back(EngineEvent::Started, position);
    Posted(lock);
}

void RunMailbox::PostEngineSolved(int position) {
    std::unique_lock lock(m_mutex);
    m_pending.engineEvents.emplace_back(EngineEvent::Solved, position);
    Posted(lock);
}

RunMailbox::Batch RunMailbox::Take() {
    std::lock_guard lock(m_mutex);
    Batch batch = std::move(m_pending);
    m_pending = Batch();
    return batch;
}

bool RunMailbox::Wait(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    return m_posted.wait_for(lock, timeout, [this] { return !m_pending.Empty(); });
}

} // namespace TavWorkbench
