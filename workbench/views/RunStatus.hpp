#pragma once
// The words the windows use about a solve: the status bar's line while it runs and once it has
// ended, and the note the results view shows above solutions that may not be all there are.

#include "workbench/RunReport.hpp"

#include <chrono>
#include <string>

namespace TavWorkbench {

// "Solving with complete search: 3 solutions so far, 1.2 s".
std::string RunningStatusText(const std::string& solver, int found,
                              std::chrono::steady_clock::duration elapsed);
// The end of `report`'s run with its reason; a run stopped by the thrashing check names the
// remedy. Empty while the run goes on.
std::string EndedStatusText(const RunReport& report);
// What the results view says above the run's solutions: empty unless the thrashing check
// ended the search, and then that there may be more and how to list them all.
std::string ResultsNoteText(const RunReport& report);

} // namespace TavWorkbench
