#include "platform/CpuClock.hpp"

#include <gtest/gtest.h>

TEST(CpuClock, CountsCpuTimeOfTheCallingThreadInMilliseconds) {
    const Platform::ClockTicks start = Platform::Clock();
    const double startSeconds = Platform::ThreadCpuSeconds();
    volatile double sink = 0;
    while (Platform::ThreadCpuSeconds() - startSeconds < 0.05) sink = sink + 1.0;
    const Platform::ClockTicks elapsed = Platform::Clock() - start;
    EXPECT_GE(elapsed, 40);
    EXPECT_LT(elapsed, 5000);
}
