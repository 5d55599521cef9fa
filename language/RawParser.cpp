#include "language/RawParser.hpp"

#include "Parser.hpp"
#include "Scanner.hpp"
#include "language/ParseContext.hpp"
#include "language/ParseLine.hpp"

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

namespace TavLanguage {

namespace {

// Lower-cases ASCII letters and drops bytes 0xFF, in place.
void MakeCaseInsensitive(std::string& text) {
    std::size_t out = 0;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0xFF) continue;
        text[out++] = byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : c;
    }
    text.resize(out);
}

} // namespace

std::string CreateCaseInsensitiveCopy(const std::string& text) {
    std::string copy;
    copy.reserve(text.size() + 2); // room for the scanner's end marks
    copy = text;
    MakeCaseInsensitive(copy);
    return copy;
}

namespace {

// Owns a reentrant scanner reading the text in place: the text gets the scanner's two end marks
// appended and must outlive the scanner (a large problem is not copied once more).
class Scanner {
public:
    Scanner(ParseContext& ctx, std::string& text) {
        if (text.size() > static_cast<std::size_t>(INT_MAX) - 2) throw ParserErr(1);
        text.push_back('\0');
        text.push_back('\0');
        if (yylex_init_extra(&ctx, &m_scanner) != 0) throw ParserErr(1);
        m_buffer = yy_scan_buffer(text.data(), text.size(), m_scanner);
        if (m_buffer == nullptr) {
            yylex_destroy(m_scanner);
            throw ParserErr(1);
        }
        ctx.StartLine(text.data());
    }
    ~Scanner() {
        yy_delete_buffer(m_buffer, m_scanner);
        yylex_destroy(m_scanner);
    }
    Scanner(const Scanner&) = delete;
    Scanner& operator=(const Scanner&) = delete;
    yyscan_t Get() const { return m_scanner; }

private:
    yyscan_t m_scanner = nullptr;
    YY_BUFFER_STATE m_buffer = nullptr;
};

} // namespace

bool RawParser::ParseText(const std::string& text, RawCSP* problem) {
    std::string lowered = CreateCaseInsensitiveCopy(text);
    return ParseLowered(lowered, problem);
}

bool RawParser::ParseLowered(std::string& lowered, RawCSP* problem) {
    std::unique_ptr<RawCSP> own;
    if (problem == nullptr) {
        own = std::make_unique<RawCSP>();
        problem = own.get();
    }
    m_info.Clear();
    m_err = ParserErr();
    // Variables of a fresh problem are numbered from 0 whatever this thread built before.
    if (problem->GetVariables().empty() && problem->GetRealVariables().empty()) RawVar::ResetIdCounter();
    ParseContext ctx(*problem, m_info);
    if (m_maxWalked >= 0) ctx.SetExpansionBounds(m_maxWalked, m_maxGenerated);
    ctx.SetStopRequest(m_stop);
    ParseLineScope lineScope(ctx.LinePointer());
    try {
        Scanner scanner(ctx, lowered);
        detail::CspParser parser(scanner.Get(), ctx);
        // A parse that fails without naming its error is still a failure: code 2 at the current line.
        if (parser.parse() != 0) throw ParserErr(2);
    } catch (const ParserErr& err) {
        if (m_err.IsOk()) m_err = err;
        if (m_err.IsOk()) m_err = ParserErr(2);
        return false;
    }
    return true;
}

bool RawParser::Parse(RawCSP* problem) {
    std::error_code ec;
    if (std::filesystem::is_directory(m_fileName, ec)) {
        m_err = ParserErr(1);
        return false;
    }
    std::ifstream in(m_fileName, std::ios::binary);
    if (!in) {
        m_err = ParserErr(1);
        return false;
    }
    // Read at its size where the file has one, so that the text is held once.
    std::string text;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size > 0 && in) {
        text.reserve(static_cast<std::size_t>(size) + 2);
        text.resize(static_cast<std::size_t>(size));
        in.read(text.data(), size);
        text.resize(static_cast<std::size_t>(in.gcount()));
    }
    in.clear(in.rdstate() & std::ios::badbit);
    if (!in.bad()) {
        // Whatever is left (a file without a size, or one that grew meanwhile).
        std::ostringstream rest;
        rest << in.rdbuf();
        text += rest.str();
    }
    if (in.bad()) {
        m_err = ParserErr(1);
        return false;
    }
    MakeCaseInsensitive(text);
    return ParseLowered(text, problem);
}

ParserErr ParseCSPFile(const std::string& fileName, ParserInfo* info, RawCSP* problem,
                       const std::atomic<bool>* stop) {
    RawParser parser(fileName);
    parser.SetStopRequest(stop);
    (void)parser.Parse(problem); // its error, or code 0, is returned below
    if (info != nullptr) *info = parser.GetInfo();
    return parser.GetError();
}

ParserErr ParseCSPText(const std::string& text, ParserInfo* info, RawCSP* problem) {
    RawParser parser;
    (void)parser.ParseText(text, problem); // its error, or code 0, is returned below
    if (info != nullptr) *info = parser.GetInfo();
    return parser.GetError();
}

std::vector<std::pair<std::string, std::string>> ScanText(const std::string& text) {
    RawCSP problem;
    ParserInfo info;
    ParseContext ctx(problem, info);
    ParseLineScope lineScope(ctx.LinePointer());
    std::string lowered = CreateCaseInsensitiveCopy(text);
    Scanner scanner(ctx, lowered);
    std::vector<std::pair<std::string, std::string>> tokens;
    using Kind = detail::CspParser::symbol_kind;
    while (true) {
        detail::CspParser::symbol_type token = detail::CspLex(scanner.Get());
        const auto kind = token.kind();
        if (kind == Kind::S_YYEOF) break;
        std::string value;
        if (kind == Kind::S_IDENT || kind == Kind::S_STR_VAL)
            value = token.value.as<std::string>();
        else if (kind == Kind::S_INT_VAL)
            value = std::to_string(token.value.as<int>());
        else if (kind == Kind::S_REAL_VAL)
            value = std::to_string(token.value.as<double>());
        tokens.emplace_back(detail::CspParser::symbol_name(kind), value);
    }
    return tokens;
}

} // namespace TavLanguage
