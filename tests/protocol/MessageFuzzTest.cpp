// The decoder under random input: random messages survive encoding and decoding in random
// pieces, and mutated or random byte streams are either read or refused with MessageError,
// never more. Deterministic seeds, printed on failure.

#include "protocol/CMessage.hpp"
#include "protocol/MessageDecoder.hpp"
#include "protocol/MessageEncoder.hpp"
#include "protocol/MessageError.hpp"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace TavNet;

namespace {

CMessage RandomMessage(std::mt19937& rng) {
    CMessage m = CMessage::OfCode(static_cast<std::int32_t>(rng() % 12) - 1);
    const int items = static_cast<int>(rng() % 6);
    for (int i = 0; i < items; ++i) {
        const int index = static_cast<int>(rng() % 8);
        switch (rng() % 5) {
        case 0:
            m.SetInt(index, static_cast<std::int32_t>(rng()));
            break;
        case 1:
            m.SetDouble(index, std::uniform_real_distribution<double>(-1e9, 1e9)(rng));
            break;
        case 2: {
            const std::size_t length = rng() % 4 == 0 ? rng() % 70000 : rng() % 300;
            m.SetString(index, std::string(length, static_cast<char>('a' + rng() % 26)));
            break;
        }
        case 3: {
            std::vector<std::uint8_t> bytes(rng() % 40);
            for (auto& b : bytes)
                b = static_cast<std::uint8_t>(rng());
            m.SetBuffer(index, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
            break;
        }
        default:
            m.SetChar(index, static_cast<unsigned char>(rng()));
        }
    }
    return m;
}

// Feeds bytes in random pieces; returns the messages read, or stops at a MessageError. What
// the decoder holds is taken from a budget, which has it all back once the decoder is gone
// (and, between messages, once the complete ones are taken).
std::vector<CMessage> FeedInPieces(const Bytes& bytes, std::mt19937& rng, const MessageLimits& limits,
                                   bool& refused) {
    MemoryBudget budget(1ull << 40);
    std::vector<CMessage> out;
    {
        MessageDecoder decoder(limits, &budget);
        refused = false;
        std::size_t pos = 0;
        while (pos < bytes.size()) {
            const std::size_t piece = std::min<std::size_t>(bytes.size() - pos, 1 + rng() % 97);
            try {
                decoder.Feed(bytes.data() + pos, piece);
            } catch (const MessageError&) {
                refused = true;
            }
            for (CMessage m; decoder.Next(m);)
                out.push_back(m);
            EXPECT_EQ(budget.Used(), decoder.HeldBytes());
            if (!decoder.MidMessage() && !decoder.Failed()) {
                EXPECT_EQ(decoder.HeldBytes(), 0u);
            }
            if (refused) break;
            pos += piece;
        }
    }
    EXPECT_EQ(budget.Used(), 0u);
    return out;
}

TEST(MessageFuzz, RandomMessagesRoundTripInRandomPieces) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 rng(seed);
        std::vector<CMessage> sent;
        Bytes stream;
        const int count = 1 + static_cast<int>(rng() % 5);
        for (int i = 0; i < count; ++i) {
            sent.push_back(RandomMessage(rng));
            MessageEncoder::Encode(sent.back(), stream);
        }
        bool refused = false;
        EXPECT_EQ(FeedInPieces(stream, rng, MessageLimits{}, refused), sent) << "seed " << seed;
        EXPECT_FALSE(refused) << "seed " << seed;
    }
}

TEST(MessageFuzz, MutatedAndRandomStreamsAreReadOrRefused) {
    MessageLimits tight;
    tight.maxItems = 16;
    tight.maxStringLength = 1 << 16;
    tight.maxBufferLength = 1 << 12;
    tight.maxMessageBytes = 1 << 17;
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        std::mt19937 rng(seed);
        Bytes stream;
        if (seed % 4 == 0) {
            stream.resize(rng() % 400);
            for (auto& b : stream)
                b = static_cast<std::uint8_t>(rng());
        } else {
            for (int i = 0; i < 3; ++i)
                MessageEncoder::Encode(RandomMessage(rng), stream);
            const int flips = 1 + static_cast<int>(rng() % 6);
            for (int i = 0; i < flips && !stream.empty(); ++i) {
                const std::size_t at = rng() % stream.size();
                switch (rng() % 3) {
                case 0:
                    stream[at] = static_cast<std::uint8_t>(rng());
                    break;
                case 1:
                    stream[at] = 0xFF;
                    break;
                default:
                    stream.resize(at);
                }
            }
        }
        bool refused = false;
        const auto messages = FeedInPieces(stream, rng, tight, refused);
        for (const CMessage& m : messages) {
            EXPECT_LE(static_cast<std::uint32_t>(m.GetItemCount()), tight.maxItems) << "seed " << seed;
            for (const CMessageData& item : m.Items()) {
                EXPECT_LE(item.string.size(), tight.maxStringLength) << "seed " << seed;
                EXPECT_LE(item.buffer.GetLength(), tight.maxBufferLength) << "seed " << seed;
            }
        }
    }
}

} // namespace
