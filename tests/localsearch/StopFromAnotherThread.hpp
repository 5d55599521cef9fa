#pragma once
// The one real cross-thread stop of the engine tests: Solve runs on a worker thread and this
// thread asks for the stop once the engine's step hook has told that the run is under way. No
// timing decides anything: a stop asked for before Solve had started could be dropped, so the
// request waits for the hook's signal, and the run then ends at its next check.

#include "localsearch/GGLS.hpp"

#include <cstdint>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

namespace GLSLibTest {

// Runs engine.Solve() on a worker thread and stops it from the calling thread after the first
// step at which `ready` (asked on the searching thread) holds. A run that ends on its own
// first is simply waited for. Returns what Solve returned; the step hook is off afterwards.
inline bool SolveAndStopFromThisThread(GLSLib::GGLS& engine, std::function<bool()> ready = [] { return true; }) {
    std::promise<void> started;
    std::once_flag once;
    const auto signal = [&] { std::call_once(once, [&] { started.set_value(); }); };
    engine.SetStepHook(
        [&](std::uint64_t) {
            if (ready()) signal();
        },
        1);
    bool result = false;
    std::thread worker([&] {
        result = engine.Solve();
        signal();
    });
    started.get_future().wait();
    engine.Stop();
    worker.join();
    engine.SetStepHook(nullptr, 0);
    return result;
}

} // namespace GLSLibTest
