#pragma once
// The process-wide pseudo-random generator standing in for the runtime's rand()/srand().
// Same contract: SRand(seed) restarts the sequence, Rand() returns an int in [0, kRandMax].
// The sequence depends only on the seed, never on the C library, so a seed repeats a run
// anywhere. Thread-safe (each draw is one atomic step), though interleaved draws from several
// threads are of course not reproducible.

#include <cstdint>

namespace Platform {

constexpr int kRandMax = 0x7fffffff; // 2^31 - 1

// Restarts the sequence from seed. The generator starts as if seeded with 1.
void SRand(std::uint32_t seed);

// Next number of the sequence, uniform in [0, kRandMax].
int Rand();

// Uniform in [0, n) for n > 0 (0 when n <= 0), using one draw of the sequence.
int RandBelow(int n);

} // namespace Platform
