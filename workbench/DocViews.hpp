#pragma once
// What the document tells the windows that show it: the results changed, new statistics, a
// run finished. Called on the user-interface thread only; every operation may do nothing.

#include <string>

namespace TavWorkbench {

class DocViews {
public:
    virtual ~DocViews() = default;
    // The results view repaints from the solution store, showing `found` solutions.
    virtual void ResultsChanged(int found) { (void)found; }
    // The statistics display shows this text (line breaks "\r\n").
    virtual void StatisticsChanged(const std::string& text) { (void)text; }
    // The results views become active and the status bar says "Finished".
    virtual void RunFinished() {}
};

} // namespace TavWorkbench
