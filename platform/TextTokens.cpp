#include "platform/TextTokens.hpp"

#include "platform/Cancelled.hpp"

#include <climits>
#include <cstdint>

namespace Platform {

namespace {

bool IsSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

bool ParseInt(std::string_view text, int& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        magnitude = magnitude * 10 + (text[i] - '0');
        // Stops before the magnitude could overflow, however long the digits run on.
        if (magnitude > static_cast<std::int64_t>(INT_MAX) + 1) return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX || signedValue < INT_MIN) return false;
    value = static_cast<int>(signedValue);
    return true;
}

} // namespace

TextTokens::TextTokens(std::string text, const std::atomic<bool>* stop) : m_text(std::move(text)) {
    constexpr std::size_t kStopEvery = 1 << 16; // bytes between two looks at the stop request
    // Two passes, the first counting: a table grown as it fills moves megabytes at a time, long
    // between two looks at the stop request, for a text of millions of tokens.
    for (const bool filling : {false, true}) {
        std::size_t count = 0;
        int line = 1;
        std::size_t i = 0;
        std::size_t nextLook = 0;
        while (i < m_text.size()) {
            if (i >= nextLook) {
                if (stop != nullptr && stop->load(std::memory_order_relaxed)) throw Cancelled();
                nextLook = i + kStopEvery;
            }
            if (IsSpace(m_text[i])) {
                if (m_text[i] == '\n') ++line;
                ++i;
                continue;
            }
            const std::size_t begin = i;
            while (i < m_text.size() && !IsSpace(m_text[i]))
                ++i;
            if (filling)
                m_tokens.push_back({begin, i - begin, line});
            else
                ++count;
        }
        if (!filling) m_tokens.reserve(count);
    }
}

std::string TextTokens::Shown(std::string_view token) {
    std::string shown;
    for (char ch : token.substr(0, 40)) {
        const auto byte = static_cast<unsigned char>(ch);
        shown += byte < 0x20 || byte == 0x7f ? '?' : ch;
    }
    if (token.size() > 40) shown += "...";
    return shown;
}

std::string_view TextTokens::Peek() const {
    return AtEnd() ? std::string_view() : Text(m_tokens[m_next]);
}

bool TextTokens::PeekIsNumber() const {
    int value = 0;
    return !AtEnd() && ParseInt(Text(m_tokens[m_next]), value);
}

std::string_view TextTokens::Word(const char* what) {
    if (AtEnd()) RefuseEnd(Fault::Kind::EndOfText, what);
    return Text(m_tokens[m_next++]);
}

int TextTokens::Number(const char* what) {
    const std::string_view token = Word(what);
    int value = 0;
    if (!ParseInt(token, value)) RefuseLast(Fault::Kind::NotANumber, what);
    return value;
}

int TextTokens::Count(const char* what, int tokensPerItem, int limit) {
    const int count = Number(what);
    if (count < 0) RefuseLast(Fault::Kind::Negative, what, count);
    if (count > limit ||
        static_cast<std::uint64_t>(count) * static_cast<std::uint64_t>(tokensPerItem) > Remaining())
        RefuseLast(Fault::Kind::TooMany, what, count);
    return count;
}

void TextTokens::Fail(const std::string& message) const {
    FailAt(LastIndex(), message);
}

void TextTokens::FailAt(std::size_t index, const std::string& message) const {
    if (index >= m_tokens.size()) RefuseEnd(Fault::Kind::Refused, message);
    const Token& token = m_tokens[index];
    Refuse({Fault::Kind::Refused, message, index + 1, token.line, Shown(Text(token)), 0});
}

void TextTokens::RefuseLast(Fault::Kind kind, const std::string& what, long long count) const {
    const Token& token = m_tokens[LastIndex()];
    Refuse({kind, what, LastIndex() + 1, token.line, Shown(Text(token)), count});
}

void TextTokens::RefuseEnd(Fault::Kind kind, const std::string& what) const {
    Refuse({kind, what, 0, m_tokens.empty() ? 1 : m_tokens.back().line, {}, 0});
}

} // namespace Platform
