#include "platform/Random.hpp"

#include <atomic>

namespace Platform {

namespace {
// splitmix64 step: a full-period 64-bit state with a strong output mix.
std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}
constexpr std::uint64_t kGolden = 0x9e3779b97f4a7c15ULL;

std::atomic<std::uint64_t> g_state{1};
} // namespace

void SRand(std::uint32_t seed) { g_state.store(seed, std::memory_order_relaxed); }

int Rand() {
    const std::uint64_t state = g_state.fetch_add(kGolden, std::memory_order_relaxed) + kGolden;
    return static_cast<int>(Mix(state) >> 33);
}

int RandBelow(int n) {
    if (n <= 0) return 0;
    return static_cast<int>((static_cast<std::uint64_t>(static_cast<unsigned>(Rand())) * static_cast<unsigned>(n)) >> 31);
}

} // namespace Platform
