#pragma once
// An immutable set of ints with constant-time membership when its values span a small range
// (a bit map) and logarithmic time otherwise (a sorted vector).

#include <algorithm>
#include <cstdint>
#include <vector>

namespace GLSLib {

class IntSet {
public:
    IntSet() = default;
    explicit IntSet(std::vector<int> values) : m_sorted(std::move(values)) {
        std::sort(m_sorted.begin(), m_sorted.end());
        m_sorted.erase(std::unique(m_sorted.begin(), m_sorted.end()), m_sorted.end());
        if (m_sorted.empty()) return;
        const std::int64_t span = static_cast<std::int64_t>(m_sorted.back()) - m_sorted.front() + 1;
        if (span <= kMaxBitMapSpan) {
            m_lo = m_sorted.front();
            m_bits.assign(static_cast<std::size_t>(span), 0);
            for (int v : m_sorted)
                m_bits[static_cast<std::size_t>(static_cast<std::int64_t>(v) - m_lo)] = 1;
        }
    }
    bool Contains(int v) const {
        if (!m_bits.empty()) {
            const std::int64_t offset = static_cast<std::int64_t>(v) - m_lo;
            return offset >= 0 && offset < static_cast<std::int64_t>(m_bits.size()) &&
                   m_bits[static_cast<std::size_t>(offset)];
        }
        return std::binary_search(m_sorted.begin(), m_sorted.end(), v);
    }
    // The distinct values, ascending.
    const std::vector<int>& Sorted() const { return m_sorted; }
    std::size_t Size() const { return m_sorted.size(); }

private:
    static constexpr std::int64_t kMaxBitMapSpan = 1 << 16;
    std::vector<int> m_sorted;
    int m_lo = 0;
    std::vector<unsigned char> m_bits;
};

} // namespace GLSLib
