#include "workbench/views/RunStatus.hpp"

#include <cstdio>

namespace TavWorkbench {

namespace {

constexpr const char* kThrashingRemedy = "set \"Thrashing Threshold\" to 0 in Options/Set Parameters";

std::string Solutions(int found) {
    if (found <= 0) return "no solution";
    return std::to_string(found) + (found == 1 ? " solution" : " solutions");
}

std::string Seconds(std::chrono::steady_clock::duration elapsed) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", std::chrono::duration<double>(elapsed).count());
    return text;
}

} // namespace

std::string RunningStatusText(const std::string& solver, int found,
                              std::chrono::steady_clock::duration elapsed) {
    return "Solving with " + solver + ": " + (found > 0 ? Solutions(found) + " so far" : "no solution yet") +
           ", " + Seconds(elapsed);
}

std::string EndedStatusText(const RunReport& report) {
    const std::string what =
        Solutions(report.found) + " in " + Seconds(report.elapsed) + " (" + report.solver + ")";
    switch (report.end) {
    case RunEnd::Running:
        return {};
    case RunEnd::Complete:
        return "Finished: " + what;
    case RunEnd::Thrashing:
        // Kept short for the status bar; the results view's note says more.
        return "Stopped by the thrashing check at " + Solutions(report.found) + "; for all, " +
               kThrashingRemedy;
    case RunEnd::Stopped:
        return "Stopped: " + what;
    case RunEnd::TimedOut:
        return "Timed out: " + what;
    }
    return {};
}

std::string ResultsNoteText(const RunReport& report) {
    if (report.end != RunEnd::Thrashing) return {};
    return "The thrashing check stopped the search after " + Solutions(report.found) +
           ": these may not be all the solutions. To list them all, " + kThrashingRemedy +
           " and solve again.";
}

} // namespace TavWorkbench
