#pragma once
// The wire's byte order: every number a message carries (the header, lengths, an item's value
// slot) is little-endian whatever the host's order.

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace TavNet {

// Writes the sizeof(T) bytes of an integer to out, least significant first.
template <class T> void StoreLittleEndian(T value, std::uint8_t* out) {
    using U = std::make_unsigned_t<T>;
    auto bits = static_cast<U>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        out[i] = static_cast<std::uint8_t>(bits & 0xFFu);
        bits = static_cast<U>(bits >> 8);
    }
}

// Reads an integer from its sizeof(T) bytes at in, least significant first.
template <class T> T LoadLittleEndian(const std::uint8_t* in) {
    using U = std::make_unsigned_t<T>;
    U bits = 0;
    for (std::size_t i = sizeof(T); i-- > 0;)
        bits = static_cast<U>((bits << 8) | in[i]);
    return static_cast<T>(bits);
}

} // namespace TavNet
