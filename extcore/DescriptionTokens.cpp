#include "extcore/DescriptionTokens.hpp"

#include "extcore/DescriptionError.hpp"

#include <climits>
#include <cstdint>

namespace Melvane {

namespace {

bool IsSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

// The token as it can be shown in a message: at most 40 bytes, control bytes as '?'.
std::string Shown(std::string_view token) {
    std::string shown;
    for (char ch : token.substr(0, 40)) {
        const auto byte = static_cast<unsigned char>(ch);
        shown += byte < 0x20 || byte == 0x7f ? '?' : ch;
    }
    if (token.size() > 40) shown += "...";
    return shown;
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
        if (magnitude > static_cast<std::int64_t>(INT_MAX) + 1) return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX || signedValue < INT_MIN) return false;
    value = static_cast<int>(signedValue);
    return true;
}

} // namespace

DescriptionTokens::DescriptionTokens(std::string text) : m_text(std::move(text)) {
    int line = 1;
    std::size_t i = 0;
    while (i < m_text.size()) {
        if (IsSpace(m_text[i])) {
            if (m_text[i] == '\n') ++line;
            ++i;
            continue;
        }
        const std::size_t begin = i;
        while (i < m_text.size() && !IsSpace(m_text[i]))
            ++i;
        m_tokens.push_back({begin, i - begin, line});
    }
}

std::string_view DescriptionTokens::Peek() const {
    return AtEnd() ? std::string_view() : Text(m_tokens[m_next]);
}

bool DescriptionTokens::PeekIsNumber() const {
    int value = 0;
    return !AtEnd() && ParseInt(Text(m_tokens[m_next]), value);
}

std::string_view DescriptionTokens::Word(const char* what) {
    if (AtEnd()) FailAtEnd(what);
    return Text(m_tokens[m_next++]);
}

int DescriptionTokens::Number(const char* what) {
    const std::string_view token = Word(what);
    int value = 0;
    if (!ParseInt(token, value)) Fail(std::string(what) + " must be an integer");
    return value;
}

int DescriptionTokens::Count(const char* what, int tokensPerItem) {
    const int count = Number(what);
    if (count < 0) Fail(std::string(what) + " must not be negative");
    if (static_cast<std::uint64_t>(count) * static_cast<std::uint64_t>(tokensPerItem) > Remaining())
        Fail(std::string(what) + " is larger than the rest of the text can hold");
    return count;
}

void DescriptionTokens::Fail(const std::string& message) const {
    FailAt(LastIndex(), message);
}

void DescriptionTokens::FailAt(std::size_t index, const std::string& message) const {
    if (index >= m_tokens.size()) FailAtEnd(message.c_str());
    const Token& token = m_tokens[index];
    throw DescriptionError("Problem description, token " + std::to_string(index + 1) + " (line " +
                               std::to_string(token.line) + ") \"" + Shown(Text(token)) + "\": " + message,
                           static_cast<int>(index + 1), token.line);
}

void DescriptionTokens::FailAtEnd(const char* what) const {
    const int line = m_tokens.empty() ? 1 : m_tokens.back().line;
    throw DescriptionError("Problem description ends early (after token " + std::to_string(m_tokens.size()) +
                               ", line " + std::to_string(line) + "): " + what + " expected",
                           0, line);
}

} // namespace Melvane
