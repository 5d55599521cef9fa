#pragma once
// What the program hands a solver bridge besides the problem and the parameters: where the
// bridge's notices go (a domain kind it skips, an engine's remark) while it translates and
// solves. The program shows them; the bridge itself shows nothing.

#include "platform/Diagnostics.hpp"

struct BridgeContext {
    // Receives each notice; without one, notices go to the process-wide message sink.
    Platform::Diagnostics diagnostics;
};
