#pragma once
// Writes messages in the wire format: little-endian type and item count (signed 32-bit), then
// each item as its kind byte and payload (kind 1: the 8-byte slot; kind 2: a length prefix of
// 1, 3 or 7 bytes and the characters; kind 3: a 32-bit length and the bytes; other kinds:
// nothing). Messages follow one another with nothing in between.

#include "protocol/CMessage.hpp"

#include <cstdint>
#include <vector>

namespace TavNet {

using Bytes = std::vector<std::uint8_t>;

class MessageEncoder {
public:
    // Appends the message's bytes to out. Throws MessageError for a string or buffer longer
    // than a 32-bit length can state.
    static void Encode(const CMessage& message, Bytes& out);
    static Bytes Encode(const CMessage& message);
};

} // namespace TavNet
