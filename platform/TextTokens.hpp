#pragma once
// Untrusted text (a file, a network message) as a sequence of whitespace-separated tokens, read
// front to back with every read checked: a word where one is needed, a number that is a whole
// decimal 32-bit integer, a count that is not negative and no larger than what is left could
// hold. A fault is described by one Fault (what went wrong, at which token and line, the token
// as it can be echoed safely), from which each format makes its own typed error in its own
// words (ErrorFor); the read throws that error.

#include <atomic>
#include <cstddef>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace Platform {

class TextTokens {
public:
    struct Fault {
        enum class Kind {
            EndOfText,  // a token was needed and the text had ended
            NotANumber, // a number was needed
            Negative,   // a count below 0
            TooMany,    // a count above its limit or above what the rest of the text can hold
            Refused,    // the caller's own finding (Fail, FailAt): `what` is its message
        };
        Kind kind;
        // What was expected (the caller's words), or the caller's message for Refused.
        std::string what;
        // The token's number from 1; 0 for the end of the text.
        std::size_t tokenNumber;
        // The token's line; at the end of the text, the last token's (1 when there is none).
        int line;
        // The token as a message may show it (see Shown); empty at the end of the text.
        std::string shown;
        // The count read, for Negative and TooMany.
        long long count;
    };

    // Splits text (kept by the object) into tokens. Throws Platform::Cancelled once `stop` (may
    // be null) is set, read every few tens of kilobytes: a long text takes a while to split.
    explicit TextTokens(std::string text, const std::atomic<bool>* stop = nullptr);
    virtual ~TextTokens() = default;
    TextTokens(const TextTokens&) = delete;
    TextTokens& operator=(const TextTokens&) = delete;

    bool AtEnd() const { return m_next >= m_tokens.size(); }
    // Tokens in the whole text.
    std::size_t Size() const { return m_tokens.size(); }
    // Tokens not read yet.
    std::size_t Remaining() const { return m_tokens.size() - m_next; }
    // The next token without reading it; empty at the end.
    std::string_view Peek() const;
    // True when the next token is a number (without reading it).
    bool PeekIsNumber() const;

    // Reads a token; `what` names what was expected, for the fault at the end of the text.
    std::string_view Word(const char* what);
    // Reads a number: optional sign, decimal digits, within the range of int.
    int Number(const char* what);
    // Reads a count of items that each take at least `tokensPerItem` tokens, at most `limit`.
    int Count(const char* what, int tokensPerItem = 1, int limit = kNoLimit);

    // Refuses the token read last with message.
    [[noreturn]] void Fail(const std::string& message) const;
    // Refuses token `index` (0-based) with message; an index past the end refuses the end.
    [[noreturn]] void FailAt(std::size_t index, const std::string& message) const;
    // Index of the token read last (0-based).
    std::size_t LastIndex() const { return m_next == 0 ? 0 : m_next - 1; }

    // A token as a message can show it: at most 40 bytes, control bytes as '?', "..." after a
    // longer one.
    static std::string Shown(std::string_view token);

    static constexpr int kNoLimit = 0x7fffffff;

protected:
    // The format's own error for fault (never null), which the read then throws.
    virtual std::exception_ptr ErrorFor(const Fault& fault) const = 0;

private:
    struct Token {
        std::size_t begin;
        std::size_t length;
        int line;
    };
    std::string_view Text(const Token& token) const { return {m_text.data() + token.begin, token.length}; }
    [[noreturn]] void Refuse(const Fault& fault) const { std::rethrow_exception(ErrorFor(fault)); }
    [[noreturn]] void RefuseLast(Fault::Kind kind, const std::string& what, long long count = 0) const;
    [[noreturn]] void RefuseEnd(Fault::Kind kind, const std::string& what) const;

    std::string m_text;
    std::vector<Token> m_tokens;
    std::size_t m_next = 0;
};

} // namespace Platform
