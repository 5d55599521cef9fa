#pragma once
// The random sequence of one problem, standing in for the runtime's rand()/srand() so that
// engines on different threads do not draw from one another's sequence. For a given seed it
// gives the same numbers as Platform::Rand after Platform::SRand.

#include <cstdint>

namespace GLSLib {

class ModelRandom {
public:
    // Restarts the sequence from seed.
    void Seed(std::uint32_t seed) { m_state = seed; }
    // Next number of the sequence, uniform in [0, 2^31 - 1] (splitmix64 output, top 31 bits).
    int Next() {
        m_state += 0x9e3779b97f4a7c15ULL;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return static_cast<int>((z ^ (z >> 31)) >> 33);
    }

private:
    std::uint64_t m_state = 1;
};

} // namespace GLSLib
