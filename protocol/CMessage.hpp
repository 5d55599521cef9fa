#pragma once
// The one unit of exchange between the workbench's result server and external solver
// programs: a message type and an ordered list of typed items (see CMessageData). The type is
// kept as its code on the wire, so that a message of a code no type has (from a peer) reads
// back and writes out as it came; GetType names it only when the code is a type's. Setting an
// item beyond the end grows the list; the items in between stay empty (kind 0). Getters copy
// from the item's slot without looking at its kind and leave their out-parameter unchanged for
// an index at or beyond the item count. MessageEncoder and MessageDecoder put messages on the
// wire and take them off it.

#include "protocol/CMessageData.hpp"
#include "protocol/MessageType.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace TavNet {

class CMessage {
public:
    // Most items a message built in this process may have (the setters' index bound).
    static constexpr int kMaxItems = 1 << 20;

    CMessage() = default;
    explicit CMessage(MessageType type) : m_type(ToInt(type)) {}
    // A message of a type code as the wire carries it, whether a type has it or not.
    static CMessage OfCode(std::int32_t code) {
        CMessage message;
        message.m_type = code;
        return message;
    }
    virtual ~CMessage() = default;
    CMessage(const CMessage&) = default;
    CMessage& operator=(const CMessage&) = default;
    CMessage(CMessage&&) noexcept = default;
    CMessage& operator=(CMessage&&) noexcept = default;

    // The message's type; empty for a code no type has.
    std::optional<MessageType> GetType() const { return MessageTypeOf(m_type); }
    // The type's code on the wire.
    std::int32_t GetTypeCode() const { return m_type; }
    int GetItemCount() const { return static_cast<int>(m_items.size()); }

    // Setters store a fresh item of their kind at index. They throw Platform::InternalError
    // for an index below 0 or at or above kMaxItems.
    void SetChar(int index, signed char value);
    void SetChar(int index, unsigned char value);
    void SetShort(int index, std::int16_t value);
    void SetShort(int index, std::uint16_t value);
    void SetInt(int index, std::int32_t value);
    void SetInt(int index, std::uint32_t value);
    void SetDouble(int index, double value);
    void SetString(int index, std::string_view value);
    void SetBuffer(int index, const void* bytes, std::uint32_t length);

    void GetChar(int index, signed char& value) const;
    void GetChar(int index, unsigned char& value) const;
    void GetShort(int index, std::int16_t& value) const;
    void GetShort(int index, std::uint16_t& value) const;
    void GetInt(int index, std::int32_t& value) const;
    void GetInt(int index, std::uint32_t& value) const;
    void GetDouble(int index, double& value) const;
    void GetString(int index, std::string& value) const;
    // Copies min(capacity, buffer length) bytes to destination; returns how many.
    std::uint32_t GetBuffer(int index, void* destination, std::uint32_t capacity) const;

    // Item 0 as a string ("" when the message has none): the payload of most types.
    std::string Text() const;
    // Item 0 as a 4-byte integer (fallback when the message has none).
    std::int32_t Number(std::int32_t fallback = 0) const;

    const std::vector<CMessageData>& Items() const { return m_items; }
    std::vector<CMessageData>& Items() { return m_items; }

    bool operator==(const CMessage& other) const = default;

private:
    CMessageData& Fresh(int index, ItemKind kind);
    // The item at index; null at or beyond the item count.
    const CMessageData* Item(int index) const;
    // A number item in its slot, little-endian in its first sizeof(T) bytes.
    template <class T> void SetNumber(int index, T value);
    template <class T> void GetNumber(int index, T& value) const;

    // The type's code (RequestProblem's by default).
    std::int32_t m_type = 0;
    std::vector<CMessageData> m_items;
};

} // namespace TavNet
