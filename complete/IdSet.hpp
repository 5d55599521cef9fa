#pragma once
// Ordered set of variable ids for the search's conflict bookkeeping, kept as a growable bit
// vector: insertion and lookup are O(1), union and "erase every id >= k" are O(words).
// Invariant: ids are >= 0; words beyond the last inserted id may be absent.

#include <bit>
#include <cstdint>
#include <vector>

namespace GFCLib {

class IdSet {
public:
    void Insert(int id) {
        if (id < 0) return;
        const std::size_t w = static_cast<std::size_t>(id) / 64;
        if (w >= m_words.size()) m_words.resize(w + 1, 0);
        m_words[w] |= std::uint64_t{1} << (id % 64);
    }
    void Erase(int id) {
        if (id < 0) return;
        const std::size_t w = static_cast<std::size_t>(id) / 64;
        if (w < m_words.size()) m_words[w] &= ~(std::uint64_t{1} << (id % 64));
    }
    bool Contains(int id) const {
        if (id < 0) return false;
        const std::size_t w = static_cast<std::size_t>(id) / 64;
        return w < m_words.size() && ((m_words[w] >> (id % 64)) & 1u) != 0;
    }
    // Erases every id at or above id.
    void EraseFrom(int id) {
        if (id < 0) id = 0;
        const std::size_t w = static_cast<std::size_t>(id) / 64;
        if (w >= m_words.size()) return;
        m_words[w] &= (std::uint64_t{1} << (id % 64)) - 1;
        m_words.resize(w + 1);
    }
    void Clear() {
        for (auto& word : m_words)
            word = 0;
    }
    void InsertAll(const IdSet& other) {
        if (other.m_words.size() > m_words.size()) m_words.resize(other.m_words.size(), 0);
        for (std::size_t w = 0; w < other.m_words.size(); ++w)
            m_words[w] |= other.m_words[w];
    }
    // Inserts every id of other, calling onNew(id) for each that was not here before.
    template <typename F> void InsertAllNew(const IdSet& other, F&& onNew) {
        if (other.m_words.size() > m_words.size()) m_words.resize(other.m_words.size(), 0);
        for (std::size_t w = 0; w < other.m_words.size(); ++w) {
            std::uint64_t fresh = other.m_words[w] & ~m_words[w];
            if (fresh == 0) continue;
            m_words[w] |= fresh;
            while (fresh != 0) {
                onNew(static_cast<int>(w * 64 + std::countr_zero(fresh)));
                fresh &= fresh - 1;
            }
        }
    }
    bool Empty() const {
        for (auto word : m_words)
            if (word != 0) return false;
        return true;
    }
    // Largest id, or -1 when empty.
    int Max() const {
        for (std::size_t w = m_words.size(); w-- > 0;)
            if (m_words[w] != 0) return static_cast<int>(w * 64 + 63 - std::countl_zero(m_words[w]));
        return -1;
    }
    // Calls f(id) for every id in increasing order.
    template <typename F> void ForEach(F&& f) const {
        for (std::size_t w = 0; w < m_words.size(); ++w) {
            std::uint64_t word = m_words[w];
            while (word != 0) {
                f(static_cast<int>(w * 64 + std::countr_zero(word)));
                word &= word - 1;
            }
        }
    }

private:
    std::vector<std::uint64_t> m_words;
};

} // namespace GFCLib
