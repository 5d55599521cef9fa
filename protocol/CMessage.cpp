#include "protocol/CMessage.hpp"

#include "platform/FatalError.hpp"

#include <algorithm>
#include <cstring>

namespace TavNet {

namespace {

// The value slot holds numbers little-endian whatever the host's order.
template <class T> void StoreLittleEndian(T value, std::uint8_t* out) {
    using U = std::make_unsigned_t<T>;
    auto bits = static_cast<U>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        out[i] = static_cast<std::uint8_t>(bits & 0xFFu);
        bits = static_cast<U>(bits >> 8);
    }
}

template <class T> T LoadLittleEndian(const std::uint8_t* in) {
    using U = std::make_unsigned_t<T>;
    U bits = 0;
    for (std::size_t i = sizeof(T); i-- > 0;)
        bits = static_cast<U>((bits << 8) | in[i]);
    return static_cast<T>(bits);
}

} // namespace

CMessageData& CMessage::Fresh(int index, ItemKind kind) {
    if (index < 0 || index >= kMaxItems)
        throw Platform::InternalError("CMessage: item index " + std::to_string(index) + " out of range");
    if (static_cast<std::size_t>(index) >= m_items.size())
        m_items.resize(static_cast<std::size_t>(index) + 1);
    CMessageData& item = m_items[static_cast<std::size_t>(index)];
    item = CMessageData{};
    item.kind = static_cast<std::uint8_t>(kind);
    return item;
}

void CMessage::SetNumber(int index, const void* bytes, std::size_t size) {
    CMessageData& item = Fresh(index, ItemKind::Number);
    std::memcpy(item.value.data(), bytes, size);
}

bool CMessage::GetNumber(int index, void* bytes, std::size_t size) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_items.size()) return false;
    std::memcpy(bytes, m_items[static_cast<std::size_t>(index)].value.data(), size);
    return true;
}

void CMessage::SetChar(int index, signed char value) {
    std::uint8_t slot[1];
    StoreLittleEndian(value, slot);
    SetNumber(index, slot, sizeof slot);
}
void CMessage::SetChar(int index, unsigned char value) {
    SetNumber(index, &value, 1);
}

void CMessage::SetShort(int index, std::int16_t value) {
    std::uint8_t slot[2];
    StoreLittleEndian(value, slot);
    SetNumber(index, slot, sizeof slot);
}
void CMessage::SetShort(int index, std::uint16_t value) {
    std::uint8_t slot[2];
    StoreLittleEndian(value, slot);
    SetNumber(index, slot, sizeof slot);
}

void CMessage::SetInt(int index, std::int32_t value) {
    std::uint8_t slot[4];
    StoreLittleEndian(value, slot);
    SetNumber(index, slot, sizeof slot);
}
void CMessage::SetInt(int index, std::uint32_t value) {
    std::uint8_t slot[4];
    StoreLittleEndian(value, slot);
    SetNumber(index, slot, sizeof slot);
}

void CMessage::SetDouble(int index, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    std::uint8_t slot[8];
    StoreLittleEndian(bits, slot);
    SetNumber(index, slot, sizeof slot);
}

void CMessage::SetString(int index, std::string_view value) {
    Fresh(index, ItemKind::String).string = value;
}

void CMessage::SetBuffer(int index, const void* bytes, std::uint32_t length) {
    Fresh(index, ItemKind::Buffer).buffer = CDataBuffer(bytes, length);
}

void CMessage::GetChar(int index, signed char& value) const {
    std::uint8_t slot[1];
    if (GetNumber(index, slot, sizeof slot)) value = LoadLittleEndian<signed char>(slot);
}
void CMessage::GetChar(int index, unsigned char& value) const {
    GetNumber(index, &value, 1);
}

void CMessage::GetShort(int index, std::int16_t& value) const {
    std::uint8_t slot[2];
    if (GetNumber(index, slot, sizeof slot)) value = LoadLittleEndian<std::int16_t>(slot);
}
void CMessage::GetShort(int index, std::uint16_t& value) const {
    std::uint8_t slot[2];
    if (GetNumber(index, slot, sizeof slot)) value = LoadLittleEndian<std::uint16_t>(slot);
}

void CMessage::GetInt(int index, std::int32_t& value) const {
    std::uint8_t slot[4];
    if (GetNumber(index, slot, sizeof slot)) value = LoadLittleEndian<std::int32_t>(slot);
}
void CMessage::GetInt(int index, std::uint32_t& value) const {
    std::uint8_t slot[4];
    if (GetNumber(index, slot, sizeof slot)) value = LoadLittleEndian<std::uint32_t>(slot);
}

void CMessage::GetDouble(int index, double& value) const {
    std::uint8_t slot[8];
    if (!GetNumber(index, slot, sizeof slot)) return;
    const auto bits = LoadLittleEndian<std::uint64_t>(slot);
    std::memcpy(&value, &bits, sizeof value);
}

void CMessage::GetString(int index, std::string& value) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_items.size()) return;
    value = m_items[static_cast<std::size_t>(index)].string;
}

std::uint32_t CMessage::GetBuffer(int index, void* destination, std::uint32_t capacity) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_items.size()) return 0;
    const CDataBuffer& buffer = m_items[static_cast<std::size_t>(index)].buffer;
    const std::uint32_t count = std::min(capacity, buffer.GetLength());
    if (count > 0) std::memcpy(destination, buffer.GetData(), count);
    return count;
}

std::string CMessage::Text() const {
    std::string text;
    GetString(0, text);
    return text;
}

std::int32_t CMessage::Number(std::int32_t fallback) const {
    std::int32_t value = fallback;
    GetInt(0, value);
    return value;
}

} // namespace TavNet
