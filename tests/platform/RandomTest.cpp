#include "platform/Random.hpp"

#include <gtest/gtest.h>

#include <vector>

using namespace Platform;

TEST(Random, SameSeedSameSequenceAndValuesInRange) {
    auto draw = [](std::uint32_t seed) {
        SRand(seed);
        std::vector<int> v;
        for (int i = 0; i < 1000; ++i) v.push_back(Rand());
        return v;
    };
    const auto a = draw(2334), b = draw(2334), c = draw(2335);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    for (int x : a) {
        EXPECT_GE(x, 0);
        EXPECT_LE(x, kRandMax);
    }
}

TEST(Random, RandBelowCoversTheWholeRangeRoughlyUniformly) {
    SRand(7);
    std::vector<int> counts(10, 0);
    for (int i = 0; i < 100000; ++i) ++counts[RandBelow(10)];
    for (int c : counts) EXPECT_NEAR(c, 10000, 600);
    EXPECT_EQ(RandBelow(0), 0);
    EXPECT_EQ(RandBelow(1), 0);
}
