#pragma once
// Where a library object reports what the user should see but what does not stop its work (a
// domain kind it skips, an engine's notice about a run): a callback that the program installs
// and shows as it likes (a line on stderr, a log pane). Library code never shows anything
// itself; it calls Report with the callback it was given.

#include "platform/MessageSink.hpp"

#include <functional>
#include <string>

namespace Platform {

// Receives one diagnostic text, exactly as the system words it. Called on the thread that
// runs the library code (a solver's worker thread during a solve).
using Diagnostics = std::function<void(const std::string& text)>;

// Hands a text to the callback; without one, to the process-wide message sink.
inline void Report(const Diagnostics& diagnostics, const std::string& text) {
    if (diagnostics)
        diagnostics(text);
    else
        ShowMessage(text);
}

} // namespace Platform
