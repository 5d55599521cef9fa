#pragma once
// Long loops over a model (a million variables take a good part of a second) look at the stop
// request another thread may set only now and then: at their first item and every
// kStopPollEvery items after, so that looking costs nothing measurable.

#include <atomic>
#include <cstddef>

namespace Platform {

inline constexpr std::size_t kStopPollEvery = 4096;

// True when item is one at which to look and `stop` (may be null) is set.
inline bool StopDue(const std::atomic<bool>* stop, std::size_t item) {
    return item % kStopPollEvery == 0 && stop != nullptr && stop->load(std::memory_order_relaxed);
}

} // namespace Platform
