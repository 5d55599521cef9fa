#pragma once
// Processor clock standing in for the runtime's clock(). Ticks are milliseconds of CPU time of
// the calling thread, so "ticks / 1000.0" is seconds, as the statistics reports print them.

#include <cstdint>

namespace Platform {

using ClockTicks = std::int64_t;

constexpr ClockTicks kClockTicksPerSecond = 1000;

// CPU time consumed so far by the calling thread, in milliseconds.
ClockTicks Clock();

// CPU time consumed so far by the calling thread, in seconds (sub-millisecond resolution).
double ThreadCpuSeconds();

} // namespace Platform
