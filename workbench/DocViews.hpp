#pragma once
// What the document and its solve session tell the windows that show them: the results
// changed, new statistics, a solve going on or finished. Called on the user-interface thread
// only; every operation may do nothing.

#include <string>

namespace TavWorkbench {

class DocViews {
public:
    virtual ~DocViews() = default;
    // The results view repaints from the solution store, showing `found` solutions.
    virtual void ResultsChanged(int found) { (void)found; }
    // The statistics display shows this text (line breaks "\r\n").
    virtual void StatisticsChanged(const std::string& text) { (void)text; }
    // The results views become active and the status bar says how the run ended.
    virtual void RunFinished() {}
    // A solve goes on with `found` solutions so far: the status bar's line on it (its solver
    // and time come from the document) is due again.
    virtual void RunGoingOn(int found) { (void)found; }
    // A solve started, ended or found more: the commands' states may differ.
    virtual void SolveStateChanged() {}
};

} // namespace TavWorkbench
