#pragma once
// Processor clock standing in for the runtime's clock(). Ticks are milliseconds of CPU time of
// the whole process (every thread), so "ticks / 1000.0" is seconds, as the statistics reports
// print them, and a report printed on another thread than the search's (the workbench's window,
// after a run on its worker thread) still measures the search.

#include <cstdint>

namespace Platform {

using ClockTicks = std::int64_t;

constexpr ClockTicks kClockTicksPerSecond = 1000;

// CPU time consumed so far by the process, in milliseconds.
ClockTicks Clock();

// CPU time consumed so far by the calling thread, in seconds (sub-millisecond resolution).
double ThreadCpuSeconds();

} // namespace Platform
