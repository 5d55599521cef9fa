// The wire format against byte fixtures written by hand from the format, and the decoder fed
// as a stream arrives: whole, several messages in one piece, one byte at a time.

#include "protocol/CMessage.hpp"
#include "protocol/MessageDecoder.hpp"
#include "protocol/MessageEncoder.hpp"
#include "protocol/MessageError.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace TavNet;

namespace {

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Chars(std::size_t count, std::uint8_t ch = 'a') {
    return Bytes(count, ch);
}

std::vector<CMessage> DecodeWhole(const Bytes& bytes) {
    MessageDecoder decoder;
    decoder.Feed(bytes);
    std::vector<CMessage> out;
    for (CMessage m; decoder.Next(m);)
        out.push_back(m);
    EXPECT_FALSE(decoder.MidMessage());
    return out;
}

std::vector<CMessage> DecodeByteByByte(const Bytes& bytes) {
    MessageDecoder decoder;
    std::vector<CMessage> out;
    for (std::uint8_t b : bytes) {
        decoder.Feed(&b, 1);
        for (CMessage m; decoder.Next(m);)
            out.push_back(m);
    }
    EXPECT_FALSE(decoder.MidMessage());
    return out;
}

struct Fixture {
    const char* name;
    CMessage message;
    Bytes bytes;
};

CMessage WithString(MessageType type, std::size_t length) {
    CMessage m(type);
    m.SetString(0, std::string(length, 'a'));
    return m;
}

std::vector<Fixture> Fixtures() {
    std::vector<Fixture> fixtures;
    CMessage connected(MessageType::UserConnected);
    connected.SetInt(0, 3);
    fixtures.push_back(
        {"type 6 with number 3", connected, {6, 0, 0, 0, 1, 0, 0, 0, 1, 3, 0, 0, 0, 0, 0, 0, 0}});
    CMessage request(MessageType::RequestProblem);
    request.SetString(0, "");
    fixtures.push_back({"type 0 with an empty string", request, {0, 0, 0, 0, 1, 0, 0, 0, 2, 0}});
    fixtures.push_back({"no items", CMessage(MessageType::Disconnect), {7, 0, 0, 0, 0, 0, 0, 0}});
    fixtures.push_back({"254 characters", WithString(MessageType::Broadcast, 254),
                        Concat({{4, 0, 0, 0, 1, 0, 0, 0, 2, 0xFE}, Chars(254)})});
    fixtures.push_back({"255 characters", WithString(MessageType::Broadcast, 255),
                        Concat({{4, 0, 0, 0, 1, 0, 0, 0, 2, 0xFF, 0xFF, 0x00}, Chars(255)})});
    fixtures.push_back({"65533 characters", WithString(MessageType::Broadcast, 65533),
                        Concat({{4, 0, 0, 0, 1, 0, 0, 0, 2, 0xFF, 0xFD, 0xFF}, Chars(65533)})});
    fixtures.push_back(
        {"65534 characters", WithString(MessageType::Problem, 65534),
         Concat({{2, 0, 0, 0, 1, 0, 0, 0, 2, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}, Chars(65534)})});
    CMessage gaps(MessageType::Role);
    gaps.SetString(2, "ab");
    fixtures.push_back({"item 2 of an empty message", gaps, {10, 0, 0, 0, 3, 0, 0, 0, 0, 0, 2, 2, 'a', 'b'}});
    // A code no type has travels as any other.
    CMessage kinds = CMessage::OfCode(-2);
    kinds.SetDouble(0, 1.5);
    kinds.SetShort(1, std::int16_t{-2});
    const std::uint8_t raw[3] = {0x00, 0xFF, 0x10};
    kinds.SetBuffer(2, raw, 3);
    kinds.SetChar(3, static_cast<unsigned char>(0x80));
    fixtures.push_back(
        {"every kind, negative type", kinds, {0xFE, 0xFF, 0xFF, 0xFF, 4,    0,    0, 0, 1, 0, 0, 0, 0, 0, 0,
                                              0xF8, 0x3F, 1,    0xFE, 0xFF, 0,    0, 0, 0, 0, 0, 3, 3, 0, 0,
                                              0,    0,    0xFF, 0x10, 1,    0x80, 0, 0, 0, 0, 0, 0, 0}});
    return fixtures;
}

TEST(MessageFormat, EncodesEachFixtureExactly) {
    for (const Fixture& f : Fixtures())
        EXPECT_EQ(MessageEncoder::Encode(f.message), f.bytes) << f.name;
}

TEST(MessageFormat, DecodesEachFixtureWholeAndByteByByte) {
    for (const Fixture& f : Fixtures()) {
        const auto whole = DecodeWhole(f.bytes);
        ASSERT_EQ(whole.size(), 1u) << f.name;
        EXPECT_EQ(whole[0], f.message) << f.name;
        EXPECT_EQ(DecodeByteByByte(f.bytes), whole) << f.name;
    }
}

TEST(MessageFormat, SeveralMessagesInOneReadComeOutInOrder) {
    Bytes all;
    std::vector<CMessage> expected;
    for (const Fixture& f : Fixtures()) {
        all.insert(all.end(), f.bytes.begin(), f.bytes.end());
        expected.push_back(f.message);
    }
    EXPECT_EQ(DecodeWhole(all), expected);
    EXPECT_EQ(DecodeByteByByte(all), expected);
}

TEST(MessageFormat, OnlyTheCodesOfTypesNameATypeAndEveryCodeIsKept) {
    for (std::int32_t code : {-2147483647 - 1, -1, 0, 5, 10, 11, 2147483647}) {
        const CMessage m = CMessage::OfCode(code);
        EXPECT_EQ(m.GetTypeCode(), code);
        ASSERT_EQ(m.GetType().has_value(), code >= 0 && code <= 10) << code;
        if (m.GetType()) {
            EXPECT_EQ(ToInt(*m.GetType()), code);
        }
    }
    EXPECT_EQ(CMessage(MessageType::Role).GetTypeCode(), 10);
    EXPECT_EQ(CMessage().GetType(), MessageType::RequestProblem);
}

TEST(MessageFormat, WideStringMarkerIsReadAsSingleByteCharacters) {
    // 0xFF, 0xFFFE: 16-bit characters follow, counted by a second prefix.
    const Bytes wide = {2, 0, 0, 0, 1, 0, 0, 0, 2, 0xFF, 0xFE, 0xFF, 3, 'G', 0, 0xE9, 0, 0x34, 0x12};
    const auto messages = DecodeWhole(wide);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text(), std::string("G\xE9?"));
    EXPECT_EQ(DecodeByteByByte(wide), messages);

    // A second prefix past 254 characters takes the 16-bit form.
    Bytes longWide = {2, 0, 0, 0, 1, 0, 0, 0, 2, 0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01};
    for (int i = 0; i < 300; ++i) {
        longWide.push_back('x');
        longWide.push_back(0);
    }
    const auto longMessages = DecodeWhole(longWide);
    ASSERT_EQ(longMessages.size(), 1u);
    EXPECT_EQ(longMessages[0].Text(), std::string(300, 'x'));
}

TEST(MessageFormat, CountBelowOneGivesNoItemsAndNothingStale) {
    CMessage first(MessageType::Problem);
    first.SetString(0, "old text");
    Bytes bytes = MessageEncoder::Encode(first);
    const Bytes negative = {9, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    bytes.insert(bytes.end(), negative.begin(), negative.end());
    const auto messages = DecodeWhole(bytes);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].GetType(), MessageType::Solutions);
    EXPECT_EQ(messages[1].GetItemCount(), 0);
    EXPECT_EQ(messages[1].Text(), "");
}

TEST(MessageFormat, UnknownKindIsAnItemWithoutPayload) {
    const Bytes bytes = {4, 0, 0, 0, 2, 0, 0, 0, 0x7F, 2, 1, 'z'};
    const auto messages = DecodeWhole(bytes);
    ASSERT_EQ(messages.size(), 1u);
    ASSERT_EQ(messages[0].GetItemCount(), 2);
    EXPECT_EQ(messages[0].Items()[0].kind, 0x7F);
    EXPECT_EQ(messages[0].Items()[1].string, "z");
    EXPECT_EQ(MessageEncoder::Encode(messages[0]), bytes);
}

TEST(MessageFormat, MessageEndingMidWayIsNotDelivered) {
    CMessage m(MessageType::Problem);
    m.SetString(0, "problem text");
    const Bytes bytes = MessageEncoder::Encode(m);
    for (std::size_t cut = 1; cut < bytes.size(); ++cut) {
        MessageDecoder decoder;
        decoder.Feed(bytes.data(), cut);
        CMessage out;
        EXPECT_FALSE(decoder.Next(out)) << "cut at " << cut;
        EXPECT_TRUE(decoder.MidMessage()) << "cut at " << cut;
    }
}

TEST(MessageFormat, LimitsFailTheReadBeforeTheBytesArrive) {
    MessageLimits limits;
    limits.maxItems = 4;
    limits.maxStringLength = 100;
    limits.maxBufferLength = 50;
    limits.maxMessageBytes = 150;
    struct Case {
        const char* name;
        Bytes bytes;
    };
    const std::vector<Case> cases = {
        {"item count", {0, 0, 0, 0, 5, 0, 0, 0}},
        {"huge item count", {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F}},
        {"string length", {0, 0, 0, 0, 1, 0, 0, 0, 2, 0xFF, 101, 0}},
        {"huge string length", {0, 0, 0, 0, 1, 0, 0, 0, 2, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"wide string length",
         {0, 0, 0, 0, 1, 0, 0, 0, 2, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"buffer length", {0, 0, 0, 0, 1, 0, 0, 0, 3, 51, 0, 0, 0}},
        {"message bytes", {0, 0, 0, 0, 2, 0, 0, 0, 2, 100, 'x'}},
    };
    for (const Case& c : cases) {
        MessageDecoder decoder(limits);
        Bytes bytes = c.bytes;
        if (std::string(c.name) == "message bytes") {
            // 100 characters, then a second string of 60 that passes the total.
            bytes.insert(bytes.end(), 99, 'x');
            bytes.insert(bytes.end(), {2, 60});
        }
        EXPECT_THROW(decoder.Feed(bytes), MessageError) << c.name;
        EXPECT_TRUE(decoder.Failed()) << c.name;
        EXPECT_THROW(decoder.Feed(Bytes{0}), MessageError) << c.name;
    }
}

TEST(MessageFormat, ReadersSharingABudgetHoldWhatArrivedAndTheOneThatWouldPassItFails) {
    MemoryBudget budget(900000);
    // Announced strings (narrow, wide) and a buffer, each sent but for its last byte.
    CMessage narrow(MessageType::TextLine);
    narrow.SetString(0, std::string(400000, 'n'));
    const Bytes narrowBytes = MessageEncoder::Encode(narrow);
    const Bytes wideBytes =
        Concat({{3, 0, 0, 0, 1, 0, 0, 0, 2, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x40, 0x0D, 0x03, 0},
                Chars(2 * 200000, 'w')});
    const Bytes bufferBytes = Concat({{3, 0, 0, 0, 1, 0, 0, 0, 3, 0x40, 0x0D, 0x03, 0}, Chars(200000, 'b')});
    {
        MessageDecoder a(MessageLimits{}, &budget);
        MessageDecoder b(MessageLimits{}, &budget);
        MessageDecoder c(MessageLimits{}, &budget);
        // An announced length costs nothing until its bytes arrive.
        a.Feed(narrowBytes.data(), 20);
        EXPECT_LT(budget.Used(), 70000u);
        a.Feed(narrowBytes.data() + 20, narrowBytes.size() - 21);
        EXPECT_GE(a.HeldBytes(), 399980u);
        EXPECT_LE(a.HeldBytes(), 400001u);
        b.Feed(bufferBytes.data(), bufferBytes.size() - 1);
        EXPECT_EQ(budget.Used(), a.HeldBytes() + b.HeldBytes());
        // The wide string's 400,000 bytes would pass the budget: that reader fails, the others
        // go on.
        EXPECT_THROW(c.Feed(wideBytes.data(), wideBytes.size() - 1), MessageError);
        EXPECT_TRUE(c.OverBudget());
        EXPECT_EQ(c.FailureText(),
                  "unfinished messages of all connections would hold more than 900000 bytes");
        EXPECT_EQ(budget.Used(), a.HeldBytes() + b.HeldBytes() + c.HeldBytes());
        a.Feed(narrowBytes.data() + narrowBytes.size() - 1, 1);
        b.Feed(bufferBytes.data() + bufferBytes.size() - 1, 1);
        CMessage out;
        ASSERT_TRUE(a.Next(out));
        EXPECT_EQ(out, narrow);
        ASSERT_TRUE(b.Next(out));
        EXPECT_EQ(out.Items()[0].buffer.GetLength(), 200000u);
        EXPECT_EQ(a.HeldBytes() + b.HeldBytes(), 0u);
        EXPECT_FALSE(a.OverBudget());
    }
    EXPECT_EQ(budget.Used(), 0u);
    // Alone, the wide string fits, and is held as two bytes a character until it ends.
    MessageDecoder wide(MessageLimits{}, &budget);
    wide.Feed(wideBytes.data(), wideBytes.size() - 1);
    EXPECT_GE(budget.Used(), 399990u);
    wide.Feed(wideBytes.data() + wideBytes.size() - 1, 1);
    CMessage out;
    ASSERT_TRUE(wide.Next(out));
    EXPECT_EQ(out.Text(), std::string(200000, '?'));
    EXPECT_EQ(budget.Used(), 0u);
}

TEST(MessageFormat, MessagesBeforeAFaultCanStillBeTaken) {
    MessageLimits limits;
    limits.maxItems = 2;
    Bytes bytes = MessageEncoder::Encode(CMessage(MessageType::Disconnect));
    const Bytes bad = {0, 0, 0, 0, 3, 0, 0, 0};
    bytes.insert(bytes.end(), bad.begin(), bad.end());
    MessageDecoder decoder(limits);
    EXPECT_THROW(decoder.Feed(bytes), MessageError);
    CMessage out;
    ASSERT_TRUE(decoder.Next(out));
    EXPECT_EQ(out.GetType(), MessageType::Disconnect);
}

TEST(MessageItems, GettersCopyTheSlotAndLeaveMissingItemsAlone) {
    CMessage m;
    m.SetInt(0, -5);
    m.SetString(1, "name");
    const std::uint8_t bytes[5] = {1, 2, 3, 4, 5};
    m.SetBuffer(2, bytes, 5);

    std::int32_t i = 0;
    m.GetInt(0, i);
    EXPECT_EQ(i, -5);
    std::uint32_t u = 0;
    m.GetInt(0, u);
    EXPECT_EQ(u, 0xFFFFFFFBu);
    std::int16_t s = 0;
    m.GetShort(0, s);
    EXPECT_EQ(s, -5);

    std::uint8_t copy[8] = {};
    EXPECT_EQ(m.GetBuffer(2, copy, 3), 3u);
    EXPECT_EQ(copy[2], 3);
    EXPECT_EQ(copy[3], 0);

    std::string text = "unchanged";
    i = 42;
    m.GetString(3, text);
    m.GetInt(-1, i);
    m.GetInt(7, i);
    EXPECT_EQ(text, "unchanged");
    EXPECT_EQ(i, 42);
    EXPECT_EQ(m.GetBuffer(9, copy, 8), 0u);

    double d = 0;
    m.SetDouble(0, -0.25);
    m.GetDouble(0, d);
    EXPECT_EQ(d, -0.25);
    EXPECT_THROW(m.SetInt(-1, 1), Platform::InternalError);
    EXPECT_THROW(m.SetInt(CMessage::kMaxItems, 1), Platform::InternalError);
}

} // namespace
