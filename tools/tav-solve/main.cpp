// tav-solve: solves a problem file in the modelling language from the command line.
#include "language/RawParser.hpp"
#include "platform/Cancelled.hpp"
#include "tools/tav-solve/TavSolveApp.hpp"

#include <atomic>
#include <csignal>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

using namespace TavLanguage;

namespace {

// Set by SIGINT and SIGTERM; the run looks at it and ends cleanly. A lock-free atomic store is
// all the handler does, which is safe in a signal handler.
std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int) {
    g_interrupted.store(true);
}

void CatchInterrupts() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // A second signal, once the first has been taken, ends the program at once.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

int main(int argc, char** argv) {
    CatchInterrupts();
    std::vector<std::string> args(argv + 1, argv + argc);
    const TavSolve::StoppableReader reader = [](const std::string& file, RawCSP& problem,
                                                const std::atomic<bool>& stop) {
        if (file != "-") return ParseCSPFile(file, nullptr, &problem, &stop);
        const std::string text{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
        // An interrupt cuts the reading short: what was read is not the problem.
        if (g_interrupted.load()) throw Platform::Cancelled();
        RawParser parser;
        parser.SetStopRequest(&stop);
        (void)parser.ParseText(text, &problem); // its error, or code 0, is returned below
        return parser.GetError();
    };
    return TavSolve::RunTavSolve(args, reader, std::cout, std::cerr, &g_interrupted);
}
