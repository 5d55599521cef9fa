#include "complete/BitVector.hpp"

#include <gtest/gtest.h>

using GFCLib::BitVector;

TEST(BitVectorTest, Placeholder) {
    EXPECT_EQ(BitVector(33, true).WordCount(), 2);
}
