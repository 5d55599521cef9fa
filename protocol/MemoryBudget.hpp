#pragma once
// A bound on the bytes that several readers hold together: the result server's unfinished
// messages of all its connections. A reader takes bytes before it allocates them and gives
// them back when it lets them go. One thread uses it (the server's).

#include <algorithm>
#include <cstdint>

namespace TavNet {

class MemoryBudget {
public:
    explicit MemoryBudget(std::uint64_t limit) : m_limit(limit) {}
    MemoryBudget(const MemoryBudget&) = delete;
    MemoryBudget& operator=(const MemoryBudget&) = delete;

    // Takes `bytes`; false, taking nothing, when the total would pass the limit.
    [[nodiscard]] bool Take(std::uint64_t bytes) {
        if (bytes > m_limit - m_used) return false;
        m_used += bytes;
        return true;
    }
    void Give(std::uint64_t bytes) { m_used -= std::min(bytes, m_used); }
    std::uint64_t Used() const { return m_used; }
    std::uint64_t Limit() const { return m_limit; }

private:
    // Invariant: m_used <= m_limit.
    std::uint64_t m_limit;
    std::uint64_t m_used = 0;
};

} // namespace TavNet
