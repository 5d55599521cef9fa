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
//
// With a MemoryBudget the decoder takes from it every byte it allocates for a message (string
// and buffer bytes, item records) before allocating it, and gives them back when the message
// is taken with Next (or the decoder goes); past the budget it fails (OverBudget).

#include "protocol/CMessage.hpp"
#include "protocol/MemoryBudget.hpp"
#include "protocol/MessageEncoder.hpp"
#include "protocol/MessageLimits.hpp"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace TavNet {

class MessageDecoder {
public:
    // The budget (null: none) is kept, not owned, and must outlive the decoder.
    explicit MessageDecoder(MessageLimits limits = {}, MemoryBudget* budget = nullptr)
        : m_limits(limits), m_budget(budget) {}
    ~MessageDecoder();
    MessageDecoder(const MessageDecoder&) = delete;
    MessageDecoder& operator=(const MessageDecoder&) = delete;

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
    // True when the fault was the budget: the message itself was within the limits.
    bool OverBudget() const { return m_overBudget; }
    // Bytes held for unfinished messages and for complete ones not yet taken.
    std::uint64_t HeldBytes() const { return m_held; }
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
    // Takes bytes from the budget for the message being read (fails past it).
    void Hold(std::uint64_t bytes);
    // Gives back bytes taken for the message being read.
    void Unhold(std::uint64_t bytes);
    // Makes room for `need` elements in `c` (taking their bytes), growing it at most to `most`.
    template <class Container> void Grow(Container& c, std::size_t need, std::uint64_t most);
    [[noreturn]] void Fail(const std::string& text);

    MessageLimits m_limits;
    MemoryBudget* m_budget;
    // Bytes taken for the message being read, and for all held (that one and m_ready's).
    std::uint64_t m_messageHeld = 0;
    std::uint64_t m_held = 0;
    bool m_overBudget = false;
    State m_state = State::Type;
    // The fixed-size field being gathered: m_need bytes, m_have of them in m_field.
    std::uint8_t m_field[8] = {};
    std::size_t m_need = 8;
    std::size_t m_have = 0;
    // Payload bytes still to come for the string or buffer being read, and all of them.
    std::uint64_t m_bodyLeft = 0;
    std::uint64_t m_bodyTotal = 0;
    // The bytes of the wide string being read, two per character (a narrow one is read into
    // its item).
    bool m_wide = false;
    std::vector<std::uint8_t> m_body;
    // The message being read: its items so far, how many it announced, its payload bytes.
    CMessage m_message;
    std::int32_t m_count = 0;
    CMessageData m_item;
    std::uint64_t m_messageBytes = 0;
    // Complete messages with the bytes taken for each.
    std::deque<std::pair<CMessage, std::uint64_t>> m_ready;
    std::string m_failure;
};

} // namespace TavNet
