#include "protocol/CMessage.hpp"

#include "platform/FatalError.hpp"
#include "protocol/LittleEndian.hpp"

#include <algorithm>
#include <bit>
#include <cstring>

namespace TavNet {

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

const CMessageData* CMessage::Item(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_items.size()) return nullptr;
    return &m_items[static_cast<std::size_t>(index)];
}

template <class T> void CMessage::SetNumber(int index, T value) {
    StoreLittleEndian(value, Fresh(index, ItemKind::Number).value.data());
}

template <class T> void CMessage::GetNumber(int index, T& value) const {
    if (const CMessageData* item = Item(index)) value = LoadLittleEndian<T>(item->value.data());
}

void CMessage::SetChar(int index, signed char value) { SetNumber(index, value); }
void CMessage::SetChar(int index, unsigned char value) { SetNumber(index, value); }
void CMessage::SetShort(int index, std::int16_t value) { SetNumber(index, value); }
void CMessage::SetShort(int index, std::uint16_t value) { SetNumber(index, value); }
void CMessage::SetInt(int index, std::int32_t value) { SetNumber(index, value); }
void CMessage::SetInt(int index, std::uint32_t value) { SetNumber(index, value); }
void CMessage::SetDouble(int index, double value) { SetNumber(index, std::bit_cast<std::uint64_t>(value)); }

void CMessage::SetString(int index, std::string_view value) {
    Fresh(index, ItemKind::String).string = value;
}

void CMessage::SetBuffer(int index, const void* bytes, std::uint32_t length) {
    Fresh(index, ItemKind::Buffer).buffer = CDataBuffer(bytes, length);
}

void CMessage::GetChar(int index, signed char& value) const { GetNumber(index, value); }
void CMessage::GetChar(int index, unsigned char& value) const { GetNumber(index, value); }
void CMessage::GetShort(int index, std::int16_t& value) const { GetNumber(index, value); }
void CMessage::GetShort(int index, std::uint16_t& value) const { GetNumber(index, value); }
void CMessage::GetInt(int index, std::int32_t& value) const { GetNumber(index, value); }
void CMessage::GetInt(int index, std::uint32_t& value) const { GetNumber(index, value); }

void CMessage::GetDouble(int index, double& value) const {
    if (const CMessageData* item = Item(index))
        value = std::bit_cast<double>(LoadLittleEndian<std::uint64_t>(item->value.data()));
}

void CMessage::GetString(int index, std::string& value) const {
    if (const CMessageData* item = Item(index)) value = item->string;
}

std::uint32_t CMessage::GetBuffer(int index, void* destination, std::uint32_t capacity) const {
    const CMessageData* item = Item(index);
    if (item == nullptr) return 0;
    const std::uint32_t count = std::min(capacity, item->buffer.GetLength());
    if (count > 0) std::memcpy(destination, item->buffer.GetData(), count);
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
