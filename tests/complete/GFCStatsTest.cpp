#include "complete/GFCStats.hpp"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

using GFCLib::GFCStats;

namespace {
std::vector<std::string> Lines(const GFCStats& stats) {
    std::ostringstream os;
    os << stats;
    std::vector<std::string> lines;
    std::istringstream in(os.str());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}
} // namespace

TEST(GFCStatsTest, PrintoutLineByLine) {
    GFCStats stats;
    stats.SetOrderingName("Smallest Domain");
    for (int i = 0; i < 7; ++i)
        stats.CountNode();
    stats.CountInducedNode();
    for (int i = 0; i < 12; ++i)
        stats.CountBacktrack();
    stats.CountSolution();
    stats.CountSolution();
    stats.SetDeepest(4);
    stats.SetLevel(3);
    stats.SetLevelCount(5);
    stats.SetThreshold(2.9f);
    stats.SetThrashingDetected();
    const auto lines = Lines(stats);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "Algorithm: GFC");
    EXPECT_EQ(lines[1], "Variable Ordering:    Smallest Domain");
    EXPECT_TRUE(std::regex_match(lines[2], std::regex(R"(Time taken \(CPU seconds\):-?[0-9.e+-]+)")))
        << lines[2];
    EXPECT_EQ(lines[3], "Node count:           7");
    EXPECT_EQ(lines[4], "Induced node count:   1");
    EXPECT_EQ(lines[5], "Backtracks:           12");
    EXPECT_EQ(lines[6], "Solutions:            2");
    EXPECT_EQ(lines[7], "Deepest: 4");
    EXPECT_EQ(lines[8], "Thrashing check");
    EXPECT_EQ(lines[9], "\tLevel: 3");
    EXPECT_EQ(lines[10], "\tLevel count: 5");
    EXPECT_EQ(lines[11], "\tThreshold: 2");
    EXPECT_EQ(lines[12], "Thrashing detected!");
}

TEST(GFCStatsTest, WithoutOrderingNameOrThrashing) {
    GFCStats stats;
    stats.SetThreshold(-2.9f);
    const auto lines = Lines(stats);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[1].rfind("Time taken (CPU seconds):", 0), 0u);
    EXPECT_EQ(lines[2], "Node count:           0");
    EXPECT_EQ(lines[10], "\tThreshold: -2");
    stats.SetOrderingName("Natural Ordering");
    stats.SetOrderingName(nullptr);
    EXPECT_EQ(stats.GetOrderingName(), nullptr);
    EXPECT_EQ(Lines(stats).size(), 11u);
}

TEST(GFCStatsTest, InitialDomainSizes) {
    GFCStats stats;
    stats.AppendInitialDomainSize(8);
    stats.AppendInitialDomainSize(3);
    EXPECT_EQ(stats.GetInitialDomainSize(1), 3);
    EXPECT_EQ(stats.GetInitialDomainSize(5), 0);
}
