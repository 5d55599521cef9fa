#include "platform/Random.hpp"

namespace Platform {

int Random::Below(int n) {
    if (n <= 0) return 0;
    // Scaled rather than taken modulo n, so that small n do not favour the low values.
    return static_cast<int>(
        (static_cast<std::uint64_t>(static_cast<unsigned>(Next())) * static_cast<unsigned>(n)) >> 31);
}

} // namespace Platform
