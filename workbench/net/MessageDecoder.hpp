#pragma once
// Reads messages in the wire format (see MessageEncoder) from bytes as they arrive: a message
// may come one byte at a time, or several in one piece. Every count and length is checked
// against MessageLimits before anything is held for it, and string and buffer bytes are kept
// only as they arrive, so an announced length costs nothing until its bytes are there.
// A message is delivered only when its last byte has arrived. After a fault the decoder stays
// failed: the stream it reads cannot be trusted any more.
//
// Reading rules: an item count below 1 gives a message without items; a kind byte other than
// 1 to 3 is an item without payload; a string prefix 0xFF 0xFFFE marks a string of 16-bit
// characters, which are taken down to single bytes ('?' above 0xFF).

#include "workbench/net/CMessage.hpp"
#include "workbench/net/MessageEncoder.hpp"
#include "workbench/net/MessageLimits.hpp"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

namespace TavNet {

class MessageDecoder {
public:
    explicit MessageDecoder(MessageLimits limits = {}) : m_limits(limits) {}

    // Takes the next bytes of the stream. Throws MessageError at the first fault (and on every
    // later call); the messages completed before the fault can still be taken.
    void Feed(const std::uint8_t* data, std::size_t size);
    void Feed(const Bytes& bytes) { Feed(bytes.data(), bytes.size()); }

    // Moves the oldest complete message into out; false when there is none.
    bool Next(CMessage& out);
    bool HasMessage() const { return !m_ready.empty(); }
    // True when a message has begun and not ended.
    bool MidMessage() const { return m_state != State::Type || m_have > 0; }
    bool Failed() const { return m_state == State::Failed; }
    const std::string& FailureText() const { return m_failure; }
    const MessageLimits& Limits() const { return m_limits; }

private:
    enum class State {
        Type,
        Kind,
        Number,
        Prefix8,
        Prefix16,
        Prefix32,
        WidePrefix8,
        WidePrefix16,
        WidePrefix32,
        StringBody,
        BufferLength,
        BufferBody,
        Failed,
    };

    void Expect(State state, std::size_t bytes);
    void OnFieldComplete();
    void StartItem();
    void StartString(std::uint32_t length, bool wide);
    void StartBuffer(std::uint32_t length);
    void FinishString();
    void FinishItem();
    void FinishMessage();
    void Charge(std::uint64_t bytes);
    [[noreturn]] void Fail(const std::string& text);

    MessageLimits m_limits;
    State m_state = State::Type;
    // The fixed-size field being gathered: m_need bytes, m_have of them in m_field.
    std::uint8_t m_field[8] = {};
    std::size_t m_need = 8;
    std::size_t m_have = 0;
    // Payload bytes still to come for the string or buffer being read.
    std::uint64_t m_bodyLeft = 0;
    bool m_wide = false;
    std::string m_wideBytes;
    // The message being read: its items so far, how many it announced, its payload bytes.
    CMessage m_message;
    std::int32_t m_count = 0;
    CMessageData m_item;
    std::uint64_t m_messageBytes = 0;
    std::deque<CMessage> m_ready;
    std::string m_failure;
};

} // namespace TavNet
