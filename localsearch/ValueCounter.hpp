#pragma once
// Occurrence counts per int value: an array over a window of expected values (constant time)
// and a hash map for values outside it, so that any value can be counted whatever bounds the
// caller expected.

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace GLSLib {

class ValueCounter {
public:
    // Forgets every count; values in lo..hi are then counted in the array when that window
    // is not much larger than the number of values expected (windowLimit).
    void Reset(std::int64_t lo, std::int64_t hi, std::int64_t windowLimit) {
        m_sparse.clear();
        m_dense.clear();
        if (lo <= hi && hi - lo + 1 <= std::max<std::int64_t>(windowLimit, 64) && hi - lo + 1 <= kMaxWindow) {
            m_lo = lo;
            m_dense.assign(static_cast<std::size_t>(hi - lo + 1), 0);
        }
    }
    // The count of v, created at 0.
    int& operator[](int v) {
        const std::int64_t offset = static_cast<std::int64_t>(v) - m_lo;
        if (offset >= 0 && offset < static_cast<std::int64_t>(m_dense.size()))
            return m_dense[static_cast<std::size_t>(offset)];
        return m_sparse[v];
    }
    int Get(int v) const {
        const std::int64_t offset = static_cast<std::int64_t>(v) - m_lo;
        if (offset >= 0 && offset < static_cast<std::int64_t>(m_dense.size()))
            return m_dense[static_cast<std::size_t>(offset)];
        auto it = m_sparse.find(v);
        return it == m_sparse.end() ? 0 : it->second;
    }
    // The values whose count is above threshold, ascending.
    std::vector<int> ValuesAbove(int threshold) const {
        std::vector<int> out;
        for (std::size_t i = 0; i < m_dense.size(); ++i)
            if (m_dense[i] > threshold) out.push_back(static_cast<int>(m_lo + static_cast<std::int64_t>(i)));
        for (const auto& [value, count] : m_sparse)
            if (count > threshold) out.push_back(value);
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    static constexpr std::int64_t kMaxWindow = 1 << 22;
    std::int64_t m_lo = 0;
    std::vector<int> m_dense;
    std::unordered_map<int, int> m_sparse;
};

} // namespace GLSLib
