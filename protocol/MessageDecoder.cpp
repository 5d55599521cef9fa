#include "protocol/MessageDecoder.hpp"

#include "protocol/LittleEndian.hpp"
#include "protocol/MessageError.hpp"

#include <algorithm>
#include <type_traits>

namespace TavNet {

namespace {

std::uint32_t Get32(const std::uint8_t* p) {
    return LoadLittleEndian<std::uint32_t>(p);
}

std::uint16_t Get16(const std::uint8_t* p) {
    return LoadLittleEndian<std::uint16_t>(p);
}

// Strings are read into memory that grows with what has arrived, never with what is announced.
constexpr std::size_t kReserveStep = 64 * 1024;

} // namespace

MessageDecoder::~MessageDecoder() {
    if (m_budget != nullptr) m_budget->Give(m_held);
}

void MessageDecoder::Hold(std::uint64_t bytes) {
    if (m_budget != nullptr && !m_budget->Take(bytes)) {
        m_overBudget = true;
        const std::uint64_t limit = m_budget->Limit();
        Fail("unfinished messages of all connections would hold more than " +
             (limit % (1u << 20) == 0 ? std::to_string(limit >> 20) + " MB"
                                      : std::to_string(limit) + " bytes"));
    }
    m_messageHeld += bytes;
    m_held += bytes;
}

void MessageDecoder::Unhold(std::uint64_t bytes) {
    if (m_budget != nullptr) m_budget->Give(bytes);
    m_messageHeld -= std::min(bytes, m_messageHeld);
    m_held -= std::min(bytes, m_held);
}

template <class Container> void MessageDecoder::Grow(Container& c, std::size_t need, std::uint64_t most) {
    constexpr std::size_t unit = sizeof(typename Container::value_type);
    const std::size_t have = c.capacity();
    if (need <= have) return;
    // Doubling, as the containers themselves grow, but never past what the message announced,
    // and allocated exactly, so that the bytes taken are the bytes held.
    const std::uint64_t target =
        std::min<std::uint64_t>(most, std::max<std::uint64_t>({need, 2ull * have, kReserveStep / unit}));
    Hold((target - have) * unit);
    if constexpr (std::is_same_v<Container, std::string>) {
        // A string's reserve may round up to twice what it had; a fresh one takes what it is asked.
        std::string bigger;
        bigger.reserve(static_cast<std::size_t>(target));
        bigger.append(c);
        c.swap(bigger);
    } else {
        c.reserve(static_cast<std::size_t>(target));
    }
}

void MessageDecoder::Fail(const std::string& text) {
    m_state = State::Failed;
    m_failure = text;
    throw MessageError(text);
}

void MessageDecoder::Expect(State state, std::size_t bytes) {
    m_state = state;
    m_need = bytes;
    m_have = 0;
}

void MessageDecoder::Charge(std::uint64_t bytes) {
    m_messageBytes += bytes;
    if (m_messageBytes > m_limits.maxMessageBytes)
        Fail("message larger than " + std::to_string(m_limits.maxMessageBytes) + " bytes");
}

void MessageDecoder::Feed(const std::uint8_t* data, std::size_t size) {
    if (m_state == State::Failed) throw MessageError(m_failure);
    std::size_t pos = 0;
    while (pos < size) {
        if (m_state == State::StringBody || m_state == State::BufferBody) {
            const std::size_t take =
                static_cast<std::size_t>(std::min<std::uint64_t>(m_bodyLeft, size - pos));
            if (m_state == State::StringBody && !m_wide) {
                std::string& text = m_item.string;
                Grow(text, text.size() + take, m_bodyTotal);
                text.append(reinterpret_cast<const char*>(data + pos), take);
            } else {
                auto& bytes = m_state == State::BufferBody ? m_item.buffer.Bytes() : m_body;
                Grow(bytes, bytes.size() + take, m_bodyTotal);
                bytes.insert(bytes.end(), data + pos, data + pos + take);
            }
            pos += take;
            m_bodyLeft -= take;
            if (m_bodyLeft == 0) {
                if (m_state == State::StringBody) FinishString();
                FinishItem();
            }
            continue;
        }
        const std::size_t take = std::min(m_need - m_have, size - pos);
        std::copy(data + pos, data + pos + take, m_field + m_have);
        m_have += take;
        pos += take;
        if (m_have == m_need) OnFieldComplete();
    }
}

void MessageDecoder::OnFieldComplete() {
    switch (m_state) {
    case State::Type:
        if (m_need == 8) {
            m_message = CMessage::OfCode(static_cast<std::int32_t>(Get32(m_field)));
            m_count = static_cast<std::int32_t>(Get32(m_field + 4));
            m_messageBytes = 0;
            m_messageHeld = 0;
            if (m_count < 1) {
                FinishMessage();
                return;
            }
            if (static_cast<std::uint32_t>(m_count) > m_limits.maxItems)
                Fail("message announces " + std::to_string(m_count) + " items, more than " +
                     std::to_string(m_limits.maxItems));
            StartItem();
        }
        return;
    case State::Kind:
        m_item = CMessageData{};
        m_item.kind = m_field[0];
        switch (static_cast<ItemKind>(m_field[0])) {
        case ItemKind::Number:
            Expect(State::Number, 8);
            return;
        case ItemKind::String:
            Expect(State::Prefix8, 1);
            return;
        case ItemKind::Buffer:
            Expect(State::BufferLength, 4);
            return;
        default:
            FinishItem();
            return;
        }
    case State::Number:
        std::copy(m_field, m_field + 8, m_item.value.begin());
        FinishItem();
        return;
    case State::Prefix8:
        if (m_field[0] < 0xFF) return StartString(m_field[0], false);
        return Expect(State::Prefix16, 2);
    case State::Prefix16: {
        const std::uint16_t length = Get16(m_field);
        if (length == 0xFFFE) return Expect(State::WidePrefix8, 1);
        if (length < 0xFFFF) return StartString(length, false);
        return Expect(State::Prefix32, 4);
    }
    case State::Prefix32:
        return StartString(Get32(m_field), false);
    case State::WidePrefix8:
        if (m_field[0] < 0xFF) return StartString(m_field[0], true);
        return Expect(State::WidePrefix16, 2);
    case State::WidePrefix16: {
        const std::uint16_t length = Get16(m_field);
        if (length < 0xFFFF) return StartString(length, true);
        return Expect(State::WidePrefix32, 4);
    }
    case State::WidePrefix32:
        return StartString(Get32(m_field), true);
    case State::BufferLength:
        return StartBuffer(Get32(m_field));
    case State::StringBody:
    case State::BufferBody:
    case State::Failed:
        return;
    }
}

void MessageDecoder::StartItem() {
    Expect(State::Kind, 1);
}

void MessageDecoder::StartString(std::uint32_t length, bool wide) {
    if (length > m_limits.maxStringLength)
        Fail("message string of " + std::to_string(length) + " characters, more than " +
             std::to_string(m_limits.maxStringLength));
    m_wide = wide;
    const std::uint64_t bytes = static_cast<std::uint64_t>(length) * (wide ? 2 : 1);
    Charge(bytes);
    if (bytes == 0) {
        FinishItem();
        return;
    }
    m_bodyLeft = bytes;
    m_bodyTotal = bytes;
    m_state = State::StringBody;
}

void MessageDecoder::StartBuffer(std::uint32_t length) {
    if (length > m_limits.maxBufferLength)
        Fail("message buffer of " + std::to_string(length) + " bytes, more than " +
             std::to_string(m_limits.maxBufferLength));
    Charge(length);
    if (length == 0) {
        FinishItem();
        return;
    }
    m_bodyLeft = length;
    m_bodyTotal = length;
    m_state = State::BufferBody;
}

void MessageDecoder::FinishString() {
    if (!m_wide) return;
    std::string& text = m_item.string;
    Grow(text, m_body.size() / 2, m_body.size() / 2);
    for (std::size_t i = 0; i + 1 < m_body.size(); i += 2) {
        const unsigned code = static_cast<unsigned>(m_body[i]) | static_cast<unsigned>(m_body[i + 1]) << 8;
        text += code <= 0xFF ? static_cast<char>(code) : '?';
    }
    const std::uint64_t bodyHeld = m_body.capacity();
    m_body = std::vector<std::uint8_t>();
    Unhold(bodyHeld);
    m_wide = false;
}

void MessageDecoder::FinishItem() {
    auto& items = m_message.Items();
    Grow(items, items.size() + 1, static_cast<std::uint64_t>(m_count));
    items.push_back(std::move(m_item));
    m_item = CMessageData{};
    if (m_message.GetItemCount() == m_count) {
        FinishMessage();
        return;
    }
    StartItem();
}

void MessageDecoder::FinishMessage() {
    m_ready.emplace_back(std::move(m_message), m_messageHeld);
    m_messageHeld = 0;
    m_message = CMessage();
    m_count = 0;
    Expect(State::Type, 8);
}

bool MessageDecoder::Next(CMessage& out) {
    if (m_ready.empty()) return false;
    out = std::move(m_ready.front().first);
    const std::uint64_t held = m_ready.front().second;
    m_ready.pop_front();
    if (m_budget != nullptr) m_budget->Give(held);
    m_held -= std::min(held, m_held);
    return true;
}

} // namespace TavNet
