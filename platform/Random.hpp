#pragma once
// A pseudo-random sequence standing in for the runtime's rand()/srand(): Seed(seed) restarts
// it, Next() gives an int in [0, kMax]. The sequence depends only on the seed, never on the C
// library, so a seed repeats a run anywhere (splitmix64, Steele, Lea and Flood 2014: a 64-bit
// counter stepped by the golden ratio, its output mixed, the top 31 bits kept).
// One generator belongs to one run (a search, a local-search problem) and is not shared
// between threads, so runs side by side never draw from each other's sequence.

#include <cstdint>

namespace Platform {

class Random {
public:
    static constexpr int kMax = 0x7fffffff; // 2^31 - 1

    // Starts as if seeded with 1.
    Random() = default;
    explicit Random(std::uint32_t seed) : m_state(seed) {}

    // Restarts the sequence from seed.
    void Seed(std::uint32_t seed) { m_state = seed; }
    // Next number of the sequence, uniform in [0, kMax].
    int Next() {
        m_state += 0x9e3779b97f4a7c15ULL;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return static_cast<int>((z ^ (z >> 31)) >> 33);
    }
    // Uniform in [0, n) for n > 0 (0 when n <= 0), using one number of the sequence.
    int Below(int n);

private:
    std::uint64_t m_state = 1;
};

} // namespace Platform
