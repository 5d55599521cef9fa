#pragma once
// The parse driver: reads a problem file, lower-cases it in memory (ASCII letters only; a byte
// 0xFF is dropped), scans and parses it into a raw problem, and keeps the first error.
// Every parse has its own scanner, parser and ParseContext: parses may run on several threads.

#include "language/ParserErr.hpp"
#include "language/ParserInfo.hpp"
#include "language/raw/RawCSP.hpp"

#include <atomic>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

namespace TavLanguage {

class RawParser {
public:
    RawParser() = default;
    explicit RawParser(std::string fileName) : m_fileName(std::move(fileName)) {}
    virtual ~RawParser() = default;

    // Parses the file into `problem` (a problem of its own when null). False when the file
    // cannot be read (GetError is then code 1) or the text has an error (GetError holds the first).
    [[nodiscard]] bool Parse(RawCSP* problem);
    // Parses a text already in memory.
    [[nodiscard]] bool ParseText(const std::string& text, RawCSP* problem);

    // Bounds of the forall and list-comprehension expansion of later parses (see ParseContext;
    // the defaults are ParseContext::kMaxWalked and kMaxGenerated).
    void SetExpansionBounds(long long walked, long long generated) {
        m_maxWalked = walked;
        m_maxGenerated = generated;
    }

    // A stop request read while later parses run: once it is set, the parse ends by throwing
    // Platform::Cancelled (checked every line read, statement checked or generated and index
    // combination walked). Null: none. The flag must outlive the parses.
    void SetStopRequest(const std::atomic<bool>* stop) { m_stop = stop; }

    const ParserErr& GetError() const { return m_err; }
    const ParserInfo& GetInfo() const { return m_info; }

private:
    // Parses a text already lower-cased, scanning it in place.
    [[nodiscard]] bool ParseLowered(std::string& lowered, RawCSP* problem);

    std::string m_fileName;
    ParserInfo m_info;
    ParserErr m_err;
    // Negative: the parse context's defaults.
    long long m_maxWalked = -1;
    long long m_maxGenerated = -1;
    const std::atomic<bool>* m_stop = nullptr;
};

// Parses a problem file. Returns code 0 ("Parsed CSP file successfully") or the first error;
// code 1 ("Can't open CSP File") when the file cannot be read. Fills `info` and `problem` when given;
// the caller's problem keeps what was generated before an error. With a stop request, throws
// Platform::Cancelled once it is set (see RawParser::SetStopRequest).
[[nodiscard]] ParserErr ParseCSPFile(const std::string& fileName, ParserInfo* info, RawCSP* problem,
                                     const std::atomic<bool>* stop = nullptr);
// The same for a problem text held in memory.
[[nodiscard]] ParserErr ParseCSPText(const std::string& text, ParserInfo* info, RawCSP* problem);

// The case-insensitive copy of a problem text: ASCII letters lower-cased, bytes 0xFF dropped,
// every other byte kept as it is.
std::string CreateCaseInsensitiveCopy(const std::string& text);

// The tokens of a text as the parser sees them (after lower-casing): the grammar's name of each
// token ("IDENT", "INT_VAL", ...) and, for identifiers, strings and numbers, their text. For
// diagnostics of the scanner; throws ParserErr (code 2) at a character no token accepts.
std::vector<std::pair<std::string, std::string>> ScanText(const std::string& text);

} // namespace TavLanguage
