#include "platform/CpuClock.hpp"

#include <ctime>

namespace Platform {

namespace {
timespec CpuTime(clockid_t clock) {
    timespec ts{};
    if (clock_gettime(clock, &ts) != 0) clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts;
}
} // namespace

ClockTicks Clock() {
    const timespec ts = CpuTime(CLOCK_PROCESS_CPUTIME_ID);
    return static_cast<ClockTicks>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

double ThreadCpuSeconds() {
    const timespec ts = CpuTime(CLOCK_THREAD_CPUTIME_ID);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

} // namespace Platform
