// tav-parse [--dump] FILE: parses a problem in the modelling language and says whether it is
// well formed ("Parsed CSP file successfully" on standard output; the first error on standard
// error as FILE:LINE[:COLUMN]: message); --dump also prints the expanded raw problem. FILE "-"
// reads standard input. Exit status 0 when the parse succeeded, 1 when it failed or the file
// cannot be read, 2 for a bad command line.

#include "language/RawParser.hpp"
#include "platform/Error.hpp"
#include "platform/Version.hpp"

#include <exception>
#include <iostream>
#include <iterator>
#include <string>

using namespace TavLanguage;

namespace {

const char* const kUsage = "usage: tav-parse [--dump] FILE|-\n";
const char* const kHelp =
    "Checks a problem written in Tav's modelling language.\n"
    "\n"
    "  FILE        the problem; - reads it from standard input\n"
    "  --dump      also print the expanded raw problem\n"
    "  --help      this text\n"
    "  --version   the version\n"
    "  --          ends the options (a file whose name starts with -)\n"
    "\n"
    "Prints \"Parsed CSP file successfully\" and exits with 0 when the problem is well formed;\n"
    "otherwise writes its first error to standard error as FILE:LINE[:COLUMN]: message\n"
    "and exits with 1 (also when the file cannot be read). Bad options exit with 2.\n";

int Usage(const std::string& why) {
    std::cerr << "tav-parse: " << why << "\n" << kUsage;
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    bool dump = false;
    bool optionsEnded = false;
    bool haveFile = false;
    std::string file;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            std::cout << kUsage << "\n" << kHelp;
            return 0;
        } else if (!optionsEnded && arg == "--version") {
            std::cout << "tav-parse " << Platform::kVersion << "\n";
            return 0;
        } else if (!optionsEnded && arg == "--dump") {
            dump = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return Usage("unknown option " + arg);
        } else if (haveFile) {
            return Usage("more than one problem file: " + file + ", " + arg);
        } else {
            file = arg;
            haveFile = true;
        }
    }
    if (!haveFile) return Usage("no problem file given");
    const bool fromInput = file == "-";
    const std::string shown = fromInput ? "<stdin>" : file;
    try {
        RawCSP problem;
        ParserErr err;
        if (fromInput) {
            const std::string text{std::istreambuf_iterator<char>(std::cin),
                                   std::istreambuf_iterator<char>()};
            err = ParseCSPText(text, nullptr, &problem);
        } else {
            err = ParseCSPFile(file, nullptr, &problem);
        }
        if (!err.IsOk()) {
            std::cerr << err.PositionedMessage(shown) << "\n";
            return 1;
        }
        std::cout << err;
        if (dump) std::cout << problem;
        return 0;
    } catch (const std::exception& e) {
        // The system's errors (Platform::Error) and the runtime's (out of memory) alike.
        std::cerr << shown << ": " << e.what() << "\n";
        return 1;
    }
}
