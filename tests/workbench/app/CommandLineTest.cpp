// The workbench's command line, read before Qt starts, and when its automation service ends.

#include "workbench/app/CommandLine.hpp"
#include "platform/ToolkitOptions.hpp"
#include "workbench/app/AutomationLifetime.hpp"

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

TEST(CommandLine, QtsOwnOptionsAreLeftToQt) {
    // Read before Qt starts: Qt's options (with their values) are not the program's.
    EXPECT_EQ(Platform::WithoutToolkitOptions({"-platform", "offscreen", "--style=fusion", "-reverse",
                                               "a.tav", "--nologo", "-qwindowtitle", "T"}),
              (std::vector<std::string>{"a.tav", "--nologo"}));
    // After "--" everything is the program's.
    EXPECT_EQ(Platform::WithoutToolkitOptions({"--", "-platform", "x"}),
              (std::vector<std::string>{"--", "-platform", "x"}));
    std::string error;
    EXPECT_FALSE(
        ParseCommandLine(Platform::WithoutToolkitOptions({"-platform", "offscreen", "--bogus"}), error));
    EXPECT_NE(error.find("--bogus"), std::string::npos);
    auto line =
        ParseCommandLine(Platform::WithoutToolkitOptions({"-platform", "offscreen", "--version"}), error);
    ASSERT_TRUE(line);
    EXPECT_TRUE(line->version);
}

TEST(AutomationLifetime, StaysWhileItHoldsAChangedDocumentAndEndsWhenIdle) {
    using Clock = AutomationLifetime::Clock;
    const Clock::time_point start{};
    AutomationLifetime lifetime(start, std::chrono::minutes(5));
    // Reading leaves nothing worth keeping: the program may end with its last caller.
    lifetime.Called(start + std::chrono::seconds(1), false);
    EXPECT_TRUE(lifetime.EndsWhenCallersLeave());
    // A change is kept for the next call, however many callers come and go.
    lifetime.Called(start + std::chrono::seconds(2), true);
    lifetime.Called(start + std::chrono::seconds(3), false);
    EXPECT_FALSE(lifetime.EndsWhenCallersLeave());
    // Until no call has come for the idle limit, counted from the last call.
    EXPECT_EQ(lifetime.IdleDeadline(), start + std::chrono::seconds(3) + std::chrono::minutes(5));
    // Without any call the limit runs from the start.
    EXPECT_EQ(AutomationLifetime(start).IdleDeadline(), start + AutomationLifetime::kIdleLimit);
}
