#pragma once
// One item of a message: a kind byte and the member that belongs to it. Kind 1 is a number
// in an 8-byte slot (a double, or a narrower integer in its first bytes, little-endian),
// kind 2 a string of single-byte characters, kind 3 a byte buffer, 0 a fresh item. Only the
// member of the item's kind is meaningful; copying copies every member.

#include "protocol/CDataBuffer.hpp"

#include <array>
#include <cstdint>
#include <string>

namespace TavNet {

enum class ItemKind : std::uint8_t { Empty = 0, Number = 1, String = 2, Buffer = 3 };

struct CMessageData {
    // The kind byte as it stands on the wire; kinds other than 1 to 3 carry no payload.
    std::uint8_t kind = 0;
    std::array<std::uint8_t, 8> value{};
    std::string string;
    CDataBuffer buffer;

    bool Is(ItemKind k) const { return kind == static_cast<std::uint8_t>(k); }
    bool operator==(const CMessageData& other) const = default;
};

} // namespace TavNet
