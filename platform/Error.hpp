#pragma once
// Root of every error the system reports to a user: a code and the system's text. Library code
// throws the error's own class; each program catches Error at one place and shows Text().
// Codes: the modelling language's message numbers (0 to 66) for its parse errors, the ErrorCode
// values below for every other family.

#include <exception>
#include <string>

namespace Platform {

namespace ErrorCode {
inline constexpr int kFatal = 100;       // a condition the design treated as fatal
inline constexpr int kParameter = 101;   // a solver parameter id or value outside its set
inline constexpr int kInternal = 102;    // an impossible state or an unsupported operation
inline constexpr int kResource = 103;    // a file, socket or similar resource not obtained
inline constexpr int kTranslation = 104; // a raw problem a solver bridge cannot translate
inline constexpr int kUsage = 105;       // a program's command line or settings not understood
} // namespace ErrorCode

class Error : public std::exception {
public:
    Error(int code, std::string text) : m_code(code), m_text(std::move(text)) {}

    int GetCode() const noexcept { return m_code; }
    // The text to show, exactly as the system words it.
    const std::string& Text() const noexcept { return m_text; }
    const char* what() const noexcept override { return m_text.c_str(); }

protected:
    // For errors whose text follows from fields that change after construction.
    void SetCodeAndText(int code, std::string text) {
        m_code = code;
        m_text = std::move(text);
    }

private:
    int m_code;
    std::string m_text;
};

} // namespace Platform
