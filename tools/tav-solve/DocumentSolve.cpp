#include "tools/tav-solve/DocumentSolve.hpp"

#include "bridges/RawGFCSolver.hpp"
#include "bridges/RawLPSolver.hpp"
#include "tools/tav-solve/SolutionWriter.hpp"
#include "workbench/CTavDoc.hpp"
#include "workbench/HeadlessSolveDriver.hpp"
#include "workbench/archive/TavFileError.hpp"

#include <algorithm>
#include <climits>
#include <cmath>
#include <ostream>
#include <sstream>
#include <vector>

using namespace TavLanguage;
using namespace TavBridges;

namespace TavSolve {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitProblem = 1;
constexpr int kExitUsage = 2;

std::string OneLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

// The document's boxes as the command line shows them: the time-out notice and refusals go to
// the error stream; the results view's "No Solution found" and the parse failure (reported
// with the parser's own message) are not repeated.
class CommandLineMessages : public TavWorkbench::DocMessages {
public:
    explicit CommandLineMessages(std::ostream& err) : m_err(err) {}
    void Show(const std::string& text) override {
        if (text == "No Solution found" || text == "Parser Failed") return;
        if (m_holding) {
            m_held.push_back(text);
        } else {
            m_err << OneLine(text) << "\n" << std::flush;
        }
    }
    // The time limit's question is answered Yes: the run ends with what it found.
    bool Ask(const std::string&) override { return true; }
    // While a solve runs, what it shows is held and reported after its output, in its words.
    void Hold() { m_holding = true; }
    std::vector<std::string> Release() {
        m_holding = false;
        return std::move(m_held);
    }

private:
    std::ostream& m_err;
    bool m_holding = false;
    std::vector<std::string> m_held;
};

// What the run left behind that the output reports after the solve has ended.
class DocumentDriver : public TavWorkbench::HeadlessSolveDriver {
public:
    DocumentDriver(TavWorkbench::CTavDoc& doc, bool stats)
        : HeadlessSolveDriver(doc), m_doc(doc), m_stats(stats) {}

    void finished(int found) override {
        // The solver still exists here; the base ends the solve and deletes it.
        if (RawSolver* solver = m_doc.GetSolver(); solver != nullptr) {
            if (const auto* gfc = dynamic_cast<const RawGFCSolver*>(solver); gfc != nullptr)
                thrashing = gfc->StoppedByThrashing();
            if (const auto* lp = dynamic_cast<const RawLPSolver*>(solver); lp != nullptr)
                lpMessage = lp->message();
            if (m_stats) solver->PrintStatistics(statistics);
        }
        HeadlessSolveDriver::finished(found);
    }

    bool thrashing = false;
    std::string lpMessage;
    std::ostringstream statistics;

private:
    TavWorkbench::CTavDoc& m_doc;
    bool m_stats;
};

// The solver setting of a --solver choice; -1 when documents do not take it.
int SettingOf(SolverChoice choice) {
    switch (choice) {
    case SolverChoice::Auto:
    case SolverChoice::Gfc:
        return TavWorkbench::CTavDoc::kCompleteSearch;
    case SolverChoice::Gls:
        return TavWorkbench::CTavDoc::kGuidedLocalSearch;
    case SolverChoice::Ga:
        return TavWorkbench::CTavDoc::kGeneticAlgorithm;
    case SolverChoice::Tabu:
        return TavWorkbench::CTavDoc::kTabuSearch;
    case SolverChoice::Gls2:
        return TavWorkbench::CTavDoc::kGuidedLocalSearch2;
    case SolverChoice::Expert:
        return TavWorkbench::CTavDoc::kExpert;
    default:
        return -1;
    }
}

} // namespace

bool IsDocumentFile(const std::string& file) {
    if (file.size() < 4) return false;
    std::string extension = file.substr(file.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".tav";
}

int RunDocument(const SolveOptions& options, std::ostream& out, std::ostream& err) {
    if (!options.params.empty()) {
        err << "tav-solve: --param is not taken for documents: their parameters live in Params.ini\n"
            << UsageLine() << "\n";
        return kExitUsage;
    }
    const int setting = SettingOf(options.solver);
    if (setting < 0) {
        err << "tav-solve: solver '" << SolverName(options.solver)
            << "' is not taken for documents (use gfc, gls, ga, tabu, gls2 or expert)\n"
            << UsageLine() << "\n";
        return kExitUsage;
    }

    CommandLineMessages messages(err);
    TavWorkbench::CTavDoc doc(&messages);
    try {
        doc.OnOpenDocument(options.file);
    } catch (const TavWorkbench::TavFileError& e) {
        err << OneLine(e.what()) << "\n";
        return kExitProblem;
    }
    if (options.text) {
        out << doc.GetProblemText() << std::flush;
        return kExitOk;
    }
    if (options.describe) {
        std::string why;
        if (!doc.RenderDescription(out, &why)) {
            err << options.file << ": " << OneLine(why) << "\n";
            return kExitProblem;
        }
        out << std::flush;
        return kExitOk;
    }

    doc.SetSolverSetting(setting);
    const double milliseconds = std::min(options.timeLimitSeconds * 1000.0, static_cast<double>(INT_MAX));
    doc.SetSearchTimeLimit(static_cast<int>(std::ceil(milliseconds)));
    int printed = 0;
    // Called on the run thread, which alone writes to `out` while the solve runs.
    doc.SetSolutionListener([&](const RawSolution& solution, int) {
        out << FormatSolution(solution, ++printed) << "\n" << std::flush;
    });
    DocumentDriver driver(doc, options.stats);
    messages.Hold();
    const auto outcome = driver.Run(options.solutions);
    const std::vector<std::string> shown = messages.Release();
    if (!outcome.started) {
        if (!doc.GetLastParseError().empty()) {
            err << options.file << ": " << OneLine(doc.GetLastParseError()) << "\n";
        } else {
            err << "tav-solve: solver '" << SolverName(options.solver)
                << "' cannot take this problem: " << (shown.empty() ? "" : OneLine(shown.back())) << "\n";
        }
        return kExitProblem;
    }
    out << "solutions: " << printed << "\n" << std::flush;
    const char* const timedOut = "Timed out - increase search time if desired";
    for (const std::string& text : shown)
        if (text != timedOut)
            err << "tav-solve: solver '" << SolverName(options.solver) << "' failed: " << OneLine(text)
                << "\n";
    if (outcome.timedOut) err << timedOut << "\n";
    if (driver.thrashing)
        err << "Search stopped by the thrashing check; set parameter 2 of block 0 in Params.ini to 0 for a "
               "complete search\n";
    if (printed == 0 && !driver.lpMessage.empty()) err << OneLine(driver.lpMessage) << "\n";
    if (options.stats) err << driver.statistics.str() << std::flush;
    return kExitOk;
}

} // namespace TavSolve
