// The words about a solve: the status bar's line while it runs and once it ended, and the note
// above results that the thrashing check cut short.

#include "workbench/views/RunStatus.hpp"

#include <gtest/gtest.h>

using namespace TavWorkbench;
using namespace std::chrono_literals;

TEST(RunStatus, TheRunningLineCountsSolutionsAndSeconds) {
    EXPECT_EQ(RunningStatusText("tabu search", 0, 240ms), "Solving with tabu search: no solution yet, 0.2 s");
    EXPECT_EQ(RunningStatusText("complete search", 1, 1s),
              "Solving with complete search: 1 solution so far, 1.0 s");
    EXPECT_EQ(RunningStatusText("complete search", 92, 12345ms),
              "Solving with complete search: 92 solutions so far, 12.3 s");
}

TEST(RunStatus, EachEndSaysWhyAndOnlyAThrashingStopAddsANote) {
    struct Case {
        RunEnd end;
        int found;
        const char* status;
        bool note;
    };
    const Case cases[] = {
        {RunEnd::Running, 3, "", false},
        {RunEnd::Complete, 92, "Finished: 92 solutions in 0.5 s (complete search)", false},
        {RunEnd::Complete, 0, "Finished: no solution in 0.5 s (complete search)", false},
        {RunEnd::Stopped, 1, "Stopped: 1 solution in 0.5 s (complete search)", false},
        {RunEnd::TimedOut, 2, "Timed out: 2 solutions in 0.5 s (complete search)", false},
        {RunEnd::Thrashing, 9,
         "Stopped by the thrashing check at 9 solutions; for all, set \"Thrashing Threshold\" to 0 in "
         "Options/Set Parameters",
         true},
    };
    for (const Case& c : cases) {
        const RunReport report{"complete search", c.found, c.end, 500ms};
        EXPECT_EQ(EndedStatusText(report), c.status) << static_cast<int>(c.end);
        EXPECT_EQ(!ResultsNoteText(report).empty(), c.note) << static_cast<int>(c.end);
    }
    EXPECT_EQ(
        ResultsNoteText({"complete search", 9, RunEnd::Thrashing, 500ms}),
        "The thrashing check stopped the search after 9 solutions: these may not be all the solutions. "
        "To list them all, set \"Thrashing Threshold\" to 0 in Options/Set Parameters and solve again.");
}
