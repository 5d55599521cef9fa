#include "platform/CpuClock.hpp"

#include <gtest/gtest.h>

#include <thread>

namespace {
// Keeps the calling thread busy for `seconds` of its own CPU time.
void Spin(double seconds) {
    const double start = Platform::ThreadCpuSeconds();
    volatile double sink = 0;
    while (Platform::ThreadCpuSeconds() - start < seconds) sink = sink + 1.0;
}
} // namespace

TEST(CpuClock, CountsCpuTimeInMilliseconds) {
    const Platform::ClockTicks start = Platform::Clock();
    Spin(0.05);
    const Platform::ClockTicks elapsed = Platform::Clock() - start;
    EXPECT_GE(elapsed, 40);
    EXPECT_LT(elapsed, 5000);
}

// A search runs on a worker thread and its report is printed on another: the clock read there
// must still count the worker's time.
TEST(CpuClock, CountsTheWorkOfOtherThreads) {
    const Platform::ClockTicks start = Platform::Clock();
    std::thread worker([] { Spin(0.05); });
    worker.join();
    EXPECT_GE(Platform::Clock() - start, 40);
}
