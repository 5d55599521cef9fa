// Loads descriptions of one set variable of N possible elements as melvane does
// (SolverInterface::LoadProblem) and prints the text's size, the time and the peak memory the
// load added. Usage: extsolver_bench [N]...
#include "extsolver/SolverInterface.hpp"
#include "platform/FatalError.hpp"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Peak resident memory of this process in KiB (VmHWM).
long PeakKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

// Lets the next peak start from what is resident now.
void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

std::string OneSetVariable(long elements) {
    std::string text = "<Z> 1 SetVar s " + std::to_string(elements + 2);
    for (long e = 0; e < elements; ++e)
        text += " " + std::to_string(e);
    return text + " <END>";
}

} // namespace

int main(int argc, char* argv[]) {
    std::vector<long> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atol(argv[i]));
    if (sizes.empty()) sizes = {10000, 100000, 250000, 1000000};
    std::printf("%10s %10s %10s %12s  %s\n", "elements", "text MB", "time s", "peak MB", "result");
    for (long n : sizes) {
        std::string text = OneSetVariable(n);
        const double textMb = static_cast<double>(text.size()) / 1e6;
        Melvane::SolverInterface solver;
        ResetPeak();
        const long before = ResidentKiB();
        const auto t0 = std::chrono::steady_clock::now();
        std::string result = "loaded";
        try {
            solver.LoadProblem(std::move(text));
        } catch (const Platform::FatalError& e) {
            result = e.what();
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        const double peakMb = static_cast<double>(PeakKiB() - before) / 1024.0;
        std::printf("%10ld %10.2f %10.2f %12.1f  %s\n", n, textMb, seconds, peakMb, result.c_str());
    }
    return 0;
}
