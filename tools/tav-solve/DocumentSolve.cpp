#include "tools/tav-solve/DocumentSolve.hpp"

#include "bridges/RawLPSolver.hpp"
#include "tools/tav-solve/SolutionWriter.hpp"
#include "tools/tav-solve/SolveRun.hpp"
#include "tools/tav-solve/TavSolveApp.hpp"
#include "workbench/CTavDoc.hpp"
#include "workbench/HeadlessSolveDriver.hpp"
#include "workbench/archive/TavFileError.hpp"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <optional>
#include <ostream>
#include <sstream>
#include <vector>

using namespace TavLanguage;
using namespace TavBridges;

namespace TavSolve {

namespace {

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
        // The solver and the raw problem still exist here; the session then ends the solve and
        // deletes them.
        if (RawSolver* solver = m_doc.GetSolver(); solver != nullptr) {
            end = solver->GetEnd();
            if (const auto* lp = dynamic_cast<const RawLPSolver*>(solver); lp != nullptr)
                lpMessage = lp->message();
            if (m_stats) solver->PrintStatistics(statistics);
        }
        if (const RawCSP* problem = m_doc.GetRawProblem(); problem != nullptr)
            optimising = IsOptimising(*problem);
        HeadlessSolveDriver::finished(found);
    }

    SolveEnd end = SolveEnd::None;
    bool optimising = false;
    std::string lpMessage;
    std::ostringstream statistics;

private:
    TavWorkbench::CTavDoc& m_doc;
    bool m_stats;
};

// The Expert statistics: runs and successes of each row.
std::vector<std::pair<int, int>> ExpertStatistics(const TavWorkbench::CTavDoc& doc) {
    std::vector<std::pair<int, int>> rows;
    for (const TavWorkbench::ExpertEntry& row : doc.GetExpertTable())
        rows.emplace_back(row.runs, row.successes);
    return rows;
}

// The solver setting of a --solver choice; empty when documents do not take it.
std::optional<TavWorkbench::SolverSetting> SettingOf(SolverChoice choice) {
    using TavWorkbench::SolverSetting;
    switch (choice) {
    case SolverChoice::Auto:
    case SolverChoice::Gfc:
        return SolverSetting::CompleteSearch;
    case SolverChoice::Gls:
        return SolverSetting::GuidedLocalSearch;
    case SolverChoice::Ga:
        return SolverSetting::GeneticAlgorithm;
    case SolverChoice::Tabu:
        return SolverSetting::TabuSearch;
    case SolverChoice::Gls2:
        return SolverSetting::GuidedLocalSearch2;
    case SolverChoice::Expert:
        return SolverSetting::Expert;
    case SolverChoice::Lp:
    case SolverChoice::Ext:
        break;
    }
    return std::nullopt;
}

// The command line's time limit in the document's milliseconds, rounded up (within what the
// windows' timers can wait).
std::chrono::milliseconds TimeLimitOf(double seconds) {
    const double milliseconds = std::min(std::ceil(seconds * 1000.0), static_cast<double>(INT_MAX));
    return std::chrono::milliseconds(
        static_cast<std::chrono::milliseconds::rep>(std::max(milliseconds, 0.0)));
}

} // namespace

bool IsDocumentFile(const std::string& file) {
    if (file.size() < 4) return false;
    std::string extension = file.substr(file.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".tav";
}

int RunDocument(const SolveOptions& options, std::ostream& out, std::ostream& err,
                const std::atomic<bool>* interrupt) {
    if (!options.params.empty()) {
        err << "tav-solve: --param is not taken for documents: their parameters live in Params.ini\n"
            << UsageLine() << "\n";
        return kExitUsage;
    }
    const std::optional<TavWorkbench::SolverSetting> setting = SettingOf(options.solver);
    if (!setting) {
        err << "tav-solve: solver '" << SolverName(options.solver)
            << "' is not taken for documents (use gfc, gls, ga, tabu, gls2 or expert)\n"
            << UsageLine() << "\n";
        return kExitUsage;
    }

    CommandLineMessages messages(err);
    // The settings files are read where they are; only an Expert solve that changed its
    // statistics writes "expert.dat" back (below).
    TavWorkbench::CTavDoc doc(&messages, ".", TavWorkbench::CTavDoc::SettingsWrites::OnRequest);
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

    TavWorkbench::SolveSettings settings = doc.GetSolveSettings(options.solutions);
    settings.setting = *setting;
    settings.timeLimit = TimeLimitOf(options.timeLimitSeconds);
    // Each solution is printed as soon as it is found: a local search reports each new best
    // through its bridge during its run, and the run then records the best again (not printed
    // twice). Both come on the run thread, which alone writes to `out` while the solve runs.
    int printed = 0;
    std::string last;
    const auto print = [&](const RawSolution& solution) {
        std::string key = FormatSolution(solution, 0);
        if (key == last) return;
        last = std::move(key);
        out << FormatSolution(solution, ++printed) << "\n" << std::flush;
    };
    doc.SetBridgeFactory([&print, &doc](RawCSP* problem, const AlgParams* params, int kind) {
        BridgeContext context;
        context.onSolution = print;
        context.stop = doc.GetBuildStopRequest();
        return TavWorkbench::CTavDoc::MakeBridge(problem, params, kind, std::move(context));
    });
    doc.SetSolutionListener([&print](const RawSolution& solution, int) { print(solution); });
    DocumentDriver driver(doc, options.stats);
    driver.SetInterrupt(interrupt);
    const auto statisticsBefore = ExpertStatistics(doc);
    messages.Hold();
    const auto outcome = driver.Run(settings);
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
    if (*setting == TavWorkbench::SolverSetting::Expert && ExpertStatistics(doc) != statisticsBefore)
        doc.SaveExpertFile();
    const bool interrupted = outcome.interrupted || (interrupt != nullptr && interrupt->load());
    const RunStatus status =
        StatusOf(driver.end, printed, driver.optimising, outcome.timedOut || interrupted);
    out << "solutions: " << printed << "\n" << StatusLine(status) << "\n" << std::flush;
    const char* const timedOut = "Timed out - increase search time if desired";
    for (const std::string& text : shown)
        if (text != timedOut)
            err << "tav-solve: solver '" << SolverName(options.solver) << "' failed: " << OneLine(text)
                << "\n";
    if (outcome.timedOut) err << timedOut << "\n";
    if (driver.end == SolveEnd::Thrashing)
        err << "Search stopped by the thrashing check; set parameter 2 of block 0 in Params.ini to 0 for a "
               "complete search\n";
    if (printed == 0 && !driver.lpMessage.empty()) err << OneLine(driver.lpMessage) << "\n";
    if (options.stats) err << driver.statistics.str() << std::flush;
    return interrupted ? kExitInterrupted : kExitOk;
}

} // namespace TavSolve
