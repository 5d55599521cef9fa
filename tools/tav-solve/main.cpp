// tav-solve: solves a problem file in the modelling language from the command line.
#include "language/RawParser.hpp"
#include "tools/tav-solve/TavSolveApp.hpp"

#include <iostream>
#include <string>
#include <vector>

using namespace TavLanguage;

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const TavSolve::StoppableReader reader = [](const std::string& file, RawCSP& problem,
                                                const std::atomic<bool>& stop) {
        return ParseCSPFile(file, nullptr, &problem, &stop);
    };
    return TavSolve::RunTavSolve(args, reader, std::cout, std::cerr);
}
