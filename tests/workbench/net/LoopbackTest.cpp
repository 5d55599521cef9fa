// The headless workbench host on 127.0.0.1 when its port is taken. The road end to end over the
// workbench itself is WorkbenchLoopbackTest.

#include "tests/workbench/net/LoopbackHelpers.hpp"

#include <gtest/gtest.h>

using namespace TavNet;

namespace {

TEST(Loopback, APortInUseLeavesTheHostRunningAndSaysSoOnce) {
    ExternalSolverHost first;
    ASSERT_TRUE(TavTest::StartOnFieldPort(first));
    ExternalSolverHost second;
    EXPECT_FALSE(second.Start(first.Port()));
    ASSERT_EQ(second.Server().Notices().Entries().size(), 1u);
    EXPECT_NE(second.Server().Notices().Entries()[0].find("cannot listen on port"), std::string::npos);
    EXPECT_FALSE(second.Server().IsUp());
    EXPECT_EQ(second.Server().GetUserCount(), 0);
}

} // namespace
