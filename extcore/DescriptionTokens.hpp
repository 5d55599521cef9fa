#pragma once
// The problem description text as a sequence of whitespace-separated tokens, read front to
// back with every read checked: a word where one is needed, a number that is a whole decimal
// 32-bit integer, a count that is not negative and no larger than what is left could hold.
// Faults throw DescriptionError naming the token's position.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Melvane {

class DescriptionTokens {
public:
    // Splits text (kept by the object) into tokens.
    explicit DescriptionTokens(std::string text);

    bool AtEnd() const { return m_next >= m_tokens.size(); }
    // Tokens not read yet.
    std::size_t Remaining() const { return m_tokens.size() - m_next; }
    // The next token without reading it; empty at the end.
    std::string_view Peek() const;
    // True when the next token is a number (without reading it).
    bool PeekIsNumber() const;

    // Reads a token; `what` names what was expected, for the error at the end of the text.
    std::string_view Word(const char* what);
    // Reads a number: optional sign, decimal digits, within the range of int.
    int Number(const char* what);
    // Reads a count of items that each take at least `tokensPerItem` tokens.
    int Count(const char* what, int tokensPerItem = 1);

    // Throws DescriptionError about the token read last.
    [[noreturn]] void Fail(const std::string& message) const;
    // Throws DescriptionError about token `index` (0-based).
    [[noreturn]] void FailAt(std::size_t index, const std::string& message) const;
    // Index of the token read last (0-based).
    std::size_t LastIndex() const { return m_next == 0 ? 0 : m_next - 1; }

private:
    struct Token {
        std::size_t begin;
        std::size_t length;
        int line;
    };
    std::string_view Text(const Token& token) const { return {m_text.data() + token.begin, token.length}; }
    [[noreturn]] void FailAtEnd(const char* what) const;

    std::string m_text;
    std::vector<Token> m_tokens;
    std::size_t m_next = 0;
};

} // namespace Melvane
