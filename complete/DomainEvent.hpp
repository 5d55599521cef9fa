#pragma once
// What a narrowing did to a domain, from the weakest to the strongest: every change removes
// values, some move an end, some leave one value. A constraint subscribes to a variable with the
// weakest change it needs to hear of (None: it is not woken by that variable's changes).

#include <cstdint>

namespace GFCLib {

enum class DomainEvent : std::uint8_t { None, Values, Bounds, Fixed };

} // namespace GFCLib
