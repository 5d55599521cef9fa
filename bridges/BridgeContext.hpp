#pragma once
// What the program hands a solver bridge besides the problem and the parameters: where the
// bridge's notices go (a domain kind it skips, a solution it drops) and the program's stop
// request, which the bridge reads while it translates, so that a time limit also covers the
// building of the model. The program shows the notices; the bridge itself shows nothing.

#include "platform/Cancelled.hpp"
#include "platform/Diagnostics.hpp"

#include <atomic>
#include <functional>

namespace TavLanguage {
class RawSolution;
}

namespace TavBridges {

struct BridgeContext {
    // Receives each notice; without one, notices go to the process-wide message sink.
    Platform::Diagnostics diagnostics;
    // Set by the program (from any thread) to end the work early; may be null. It must outlive
    // the bridge.
    const std::atomic<bool>* stop = nullptr;
    // Hears each solution the bridge reports as soon as it is appended to its solutions, on the
    // thread that runs Solve: an optimising local search reports each new best during its run,
    // before Solve returns. May be empty (nobody hears them before Solve returns).
    std::function<void(const TavLanguage::RawSolution&)> onSolution{};

    bool IsStopRequested() const { return stop != nullptr && stop->load(std::memory_order_relaxed); }
    // Throws Platform::Cancelled once the stop request is set.
    void CheckStop() const {
        if (IsStopRequested()) throw Platform::Cancelled();
    }
};

} // namespace TavBridges
