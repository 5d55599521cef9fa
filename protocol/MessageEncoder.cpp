#include "protocol/MessageEncoder.hpp"

#include "protocol/LittleEndian.hpp"
#include "protocol/MessageError.hpp"

#include <limits>

namespace TavNet {

namespace {

template <class T> void Put(Bytes& out, T value) {
    std::uint8_t bytes[sizeof(T)];
    StoreLittleEndian(value, bytes);
    out.insert(out.end(), bytes, bytes + sizeof(T));
}

void Put16(Bytes& out, std::uint16_t v) {
    Put(out, v);
}

void Put32(Bytes& out, std::uint32_t v) {
    Put(out, v);
}

std::uint32_t Length32(std::size_t size, const char* what) {
    if (size > std::numeric_limits<std::uint32_t>::max())
        throw MessageError(std::string(what) + " too long to send (" + std::to_string(size) + " bytes)");
    return static_cast<std::uint32_t>(size);
}

void PutStringLength(Bytes& out, std::uint32_t length) {
    if (length < 0xFF) {
        out.push_back(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        out.push_back(0xFF);
        Put16(out, static_cast<std::uint16_t>(length));
    } else {
        // 0xFFFE after the first 0xFF marks a wide string, so 65534 already takes 32 bits.
        out.push_back(0xFF);
        Put16(out, 0xFFFF);
        Put32(out, length);
    }
}

} // namespace

void MessageEncoder::Encode(const CMessage& message, Bytes& out) {
    Put32(out, static_cast<std::uint32_t>(message.GetTypeCode()));
    Put32(out, static_cast<std::uint32_t>(message.GetItemCount()));
    for (const CMessageData& item : message.Items()) {
        out.push_back(item.kind);
        if (item.Is(ItemKind::Number)) {
            out.insert(out.end(), item.value.begin(), item.value.end());
        } else if (item.Is(ItemKind::String)) {
            PutStringLength(out, Length32(item.string.size(), "string"));
            out.insert(out.end(), item.string.begin(), item.string.end());
        } else if (item.Is(ItemKind::Buffer)) {
            const auto& bytes = item.buffer.Bytes();
            Put32(out, Length32(bytes.size(), "buffer"));
            out.insert(out.end(), bytes.begin(), bytes.end());
        }
    }
}

Bytes MessageEncoder::Encode(const CMessage& message) {
    Bytes out;
    Encode(message, out);
    return out;
}

} // namespace TavNet
