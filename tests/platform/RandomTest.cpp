#include "platform/Random.hpp"

#include <gtest/gtest.h>

#include <vector>

using namespace Platform;

namespace {
std::vector<int> Draw(Random& random, int count) {
    std::vector<int> v;
    for (int i = 0; i < count; ++i)
        v.push_back(random.Next());
    return v;
}
} // namespace

TEST(Random, SameSeedSameSequenceAndValuesInRange) {
    Random r1(2334), r2(2334), r3(2335);
    const auto a = Draw(r1, 1000), b = Draw(r2, 1000), c = Draw(r3, 1000);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    for (int x : a) {
        EXPECT_GE(x, 0);
        EXPECT_LE(x, Random::kMax);
    }
}

TEST(Random, TheSequenceOfASeedIsFixed) {
    // Runs recorded with a seed repeat only while these numbers stay; a fresh generator is
    // seeded with 1, and Seed restarts a used one.
    Random fresh;
    EXPECT_EQ(Draw(fresh, 4), (std::vector<int>{1216681718, 1601554128, 2085212535, 954254152}));
    fresh.Seed(2334);
    EXPECT_EQ(Draw(fresh, 4), (std::vector<int>{2095256985, 1889839074, 1557040599, 328797970}));
}

TEST(Random, BelowCoversTheWholeRangeRoughlyUniformly) {
    Random random(7);
    std::vector<int> counts(10, 0);
    for (int i = 0; i < 100000; ++i)
        ++counts[random.Below(10)];
    for (int c : counts)
        EXPECT_NEAR(c, 10000, 600);
    EXPECT_EQ(random.Below(0), 0);
    EXPECT_EQ(random.Below(1), 0);
}
