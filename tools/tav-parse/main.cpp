// tav-parse [--dump] FILE: parses FILE and prints the parser's message ("Parsed CSP file
// successfully" or the first error); --dump also prints the raw problem. Exit status 0 when the
// parse succeeded, 1 when it failed, 2 for a bad command line.

#include "language/RawParser.hpp"
#include "platform/Error.hpp"

#include <exception>
#include <iostream>
#include <string>

using namespace TavLanguage;

int main(int argc, char** argv) {
    bool dump = false;
    std::string file;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dump")
            dump = true;
        else if (file.empty())
            file = arg;
        else
            file.clear(), i = argc; // more than one file
    }
    if (file.empty()) {
        std::cerr << "usage: tav-parse [--dump] FILE\n";
        return 2;
    }
    try {
        RawCSP problem;
        ParserInfo info;
        const ParserErr err = ParseCSPFile(file, &info, &problem);
        std::cout << err;
        if (dump && err.IsOk()) std::cout << problem;
        return err.IsOk() ? 0 : 1;
    } catch (const std::exception& e) {
        // The system's errors (Platform::Error) and the runtime's (out of memory) alike.
        std::cerr << e.what() << "\n";
        return 1;
    }
}
