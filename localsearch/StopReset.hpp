#pragma once
// Clears an engine's stop request when its Solve returns, however it returns, so that the
// next run starts unstopped.

#include <atomic>

namespace GLSLib {

class StopReset {
public:
    explicit StopReset(std::atomic<bool>& flag) : m_flag(flag) {}
    ~StopReset() { m_flag.store(false, std::memory_order_relaxed); }
    StopReset(const StopReset&) = delete;
    StopReset& operator=(const StopReset&) = delete;

private:
    std::atomic<bool>& m_flag;
};

} // namespace GLSLib
