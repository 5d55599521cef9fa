// The workbench's command line.

#include "workbench/app/CommandLine.hpp"

#include <gtest/gtest.h>

using namespace TavWorkbench::App;

TEST(CommandLine, FlagsAndFile) {
    std::string error;
    auto line = ParseCommandLine({"queens.tav"}, error);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->file, "queens.tav");
    EXPECT_TRUE(line->showSplash);
    EXPECT_FALSE(line->ServesAutomationOnly());

    for (const char* flag : {"--automation", "/Automation", "--embedding", "/Embedding"}) {
        line = ParseCommandLine({flag}, error);
        ASSERT_TRUE(line) << flag;
        EXPECT_TRUE(line->ServesAutomationOnly()) << flag;
        EXPECT_FALSE(line->showSplash) << flag;
    }
    line = ParseCommandLine({"--nologo", "--", "-odd name.tav"}, error);
    ASSERT_TRUE(line);
    EXPECT_FALSE(line->showSplash);
    EXPECT_EQ(line->file, "-odd name.tav");
}

TEST(CommandLine, RefusesWhatItDoesNotKnow) {
    std::string error;
    EXPECT_FALSE(ParseCommandLine({"--frobnicate"}, error));
    EXPECT_NE(error.find("--frobnicate"), std::string::npos);
    EXPECT_FALSE(ParseCommandLine({"a.tav", "b.tav"}, error));
}
