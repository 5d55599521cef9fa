#pragma once
// Our own bounds on what one message read from a stream may hold, and on what all the streams
// of one server hold together. The wire format allows any 32-bit length; a reader refuses a
// message past these bounds before it holds the bytes.

#include <cstdint>

namespace TavNet {

struct MessageLimits {
    // Items of one message.
    std::uint32_t maxItems = 4096;
    // Characters of one string item (a problem description travels as one string).
    std::uint32_t maxStringLength = 64u << 20;
    // Bytes of one buffer item.
    std::uint32_t maxBufferLength = 64u << 20;
    // Payload bytes of all items of one message together.
    std::uint64_t maxMessageBytes = 128ull << 20;
    // Bytes that the unfinished messages of all of one server's connections hold together.
    std::uint64_t maxHeldBytes = 256ull << 20;
};

} // namespace TavNet
