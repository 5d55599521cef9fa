#include "workbench/CTavDoc.hpp"

#include "bridges/GenExtDesc.hpp"
#include "bridges/RawGFCSolver.hpp"
#include "bridges/RawGenericSolver.hpp"
#include "bridges/RawLPSolver.hpp"
#include "language/RawParser.hpp"
#include "platform/Cancelled.hpp"
#include "platform/FatalError.hpp"
#include "workbench/CStringConverter.hpp"
#include "workbench/RunMailbox.hpp"
#include "workbench/SolverRun.hpp"
#include "workbench/TavDocumentFile.hpp"
#include "workbench/archive/TavFileError.hpp"
#include "workbench/model/ProblemText.hpp"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <condition_variable>
#include <sstream>
#include <thread>

using namespace TavLanguage;
using namespace TavBridges;

namespace TavWorkbench {

namespace {

// A ".tav" file larger than this is not read (no document of a workbench comes near it).
constexpr std::size_t kMaxDocumentBytes = std::size_t(1) << 30;

int SaturatingIncrement(int value) {
    return value == INT_MAX ? value : value + 1;
}

} // namespace

CTavDoc::CTavDoc(DocMessages* messages, std::filesystem::path settingsFolder, SettingsWrites writes)
    : m_settingsFolder(std::move(settingsFolder)), m_settingsWrites(writes),
      m_messages(messages != nullptr ? messages : &m_defaultMessages), m_rankRandom(std::random_device{}()) {
    LoadSettings();
}

CTavDoc::~CTavDoc() {
    EndSolve(false);
    if (m_settingsWrites == SettingsWrites::AsTheWorkbench) SaveExpertFile();
}

void CTavDoc::LoadSettings() {
    m_params = DefaultParamBlocks();
    switch (ReadParamsFile(m_settingsFolder / kParamsFileName, m_params)) {
    case SettingsRead::Read:
        m_paramsDefaulted = false;
        break;
    case SettingsRead::Missing:
        m_paramsDefaulted = true;
        if (m_settingsWrites == SettingsWrites::AsTheWorkbench) SaveParameters();
        break;
    case SettingsRead::Damaged:
        // Kept as it is: the user may still want it; "Save Parameters" replaces it.
        m_paramsDefaulted = true;
        break;
    }
    m_savedParams = m_params;

    ExpertSettings expert = DefaultExpertSettings();
    m_expertDefaulted = ReadExpertFile(m_settingsFolder / kExpertFileName, expert) != SettingsRead::Read;
    if (m_expertDefaulted) expert = DefaultExpertSettings();
    m_engineInterval = expert.interval;
    m_expert.clear();
    for (const auto& row : expert.rows) {
        ExpertEntry entry;
        entry.name = row.name;
        entry.runs = row.runs;
        entry.successes = row.successes;
        m_expert.push_back(std::move(entry));
    }
    m_engineKind = 0;
    RankEngines();
}

void CTavDoc::SaveExpertFile() {
    ExpertSettings settings;
    settings.interval = m_engineInterval;
    for (const auto& entry : m_expert)
        settings.rows.push_back({entry.name, entry.runs, entry.successes});
    if (!WriteFileReplacing(m_settingsFolder / kExpertFileName, ExpertFileText(settings)))
        m_messages->ShowError("Unable to open file\n");
}

bool CTavDoc::SaveParameters() {
    if (WriteFileReplacing(m_settingsFolder / kParamsFileName, ParamsFileBytes(m_params))) {
        m_savedParams = m_params;
        return true;
    }
    m_messages->ShowError("Unable to write Params.ini");
    return false;
}

SolveSettings CTavDoc::GetSolveSettings(int count) const {
    SolveSettings settings;
    settings.setting = m_solverSetting;
    settings.timeLimit = m_timeLimit;
    settings.solutions = count;
    settings.engineInterval = std::chrono::seconds(m_engineInterval);
    return settings;
}

void CTavDoc::SetSolveSettings(const SolveSettings& settings) {
    m_solverSetting = settings.setting;
    m_timeLimit = settings.timeLimit;
    m_engineInterval =
        static_cast<int>(std::clamp<std::chrono::seconds::rep>(settings.engineInterval.count(), 0, INT_MAX));
}

AlgParams& CTavDoc::GetParameterBlock(int index) {
    if (index < 0 || index >= kParamBlockCount)
        throw Platform::InternalError("no parameter block " + std::to_string(index));
    return m_params[static_cast<std::size_t>(index)];
}

bool CTavDoc::OnNewDocument() {
    // The views rebuild once, not per predefined domain.
    const TavModel::Batch batch(m_model);
    DeleteContents();
    m_model.domains.AddBoolDomain("TrueFalse");
    m_model.domains.AddDoubleDomain("RealDomain", 0.0, static_cast<double>(FLT_MAX));
    m_distances.LoadDefaultDistances();
    m_requested = 1;
    m_solverSetting = SolverSetting::CompleteSearch;
    m_timeLimit = kDefaultTimeLimit;
    m_statistics.clear();
    return true;
}

void CTavDoc::DeleteContents() {
    // The run thread writes the solution store until the solve has ended.
    EndSolve(false);
    {
        const auto lock = LockSolutions();
        m_solutions.Clear();
    }
    m_model.Clear();
}

void CTavDoc::OnOpenDocument(const std::filesystem::path& path) {
    std::string bytes;
    if (!ReadWholeFile(path, kMaxDocumentBytes, bytes))
        throw TavFileError("Cannot open \"" + path.string() + "\": the file cannot be read");
    TavModel loaded;
    ReadTavDocument(bytes, path.string(), loaded);
    const TavModel::Batch batch(m_model);
    DeleteContents();
    m_model.TakeFrom(loaded);
}

void CTavDoc::OnSaveDocument(const std::filesystem::path& path) const {
    if (!WriteFileReplacing(path, WriteTavDocument(m_model)))
        throw TavFileError("Cannot save \"" + path.string() + "\": the file cannot be written");
}

void CTavDoc::RankEngines() {
    m_engineOrder.assign(kExpertRows, 0);
    std::vector<int> candidates = {1, 2, 3};
    std::uniform_int_distribution<int> draw(0, 0x7FFF);
    std::size_t next = 1;
    while (!candidates.empty()) {
        std::vector<float> weights;
        float total = 0.0f;
        for (int row : candidates) {
            const ExpertEntry& entry = m_expert[static_cast<std::size_t>(row)];
            const float weight =
                entry.runs > 0 ? static_cast<float>(entry.successes) / static_cast<float>(entry.runs) : 0.0f;
            weights.push_back(weight);
            total += weight;
        }
        // Truncated toward zero; kept within int so that the conversion is defined.
        const float bounded = std::min(std::fabs(total), static_cast<float>(INT_MAX / 2));
        const int n = static_cast<int>(bounded);
        const double r =
            n >= 1 ? static_cast<double>(draw(m_rankRandom) % n) : (draw(m_rankRandom) % 10) / 100.0;
        std::size_t chosen = 0;
        double sum = 0.0;
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            sum += weights[i];
            if (sum >= r) {
                chosen = i;
                break;
            }
        }
        m_engineOrder[next++] = candidates[chosen];
        candidates[chosen] = candidates.back();
        candidates.pop_back();
    }
}

void CTavDoc::ReleaseEngines() {
    // The run thread may still use the engines; EndSolve releases them once it has ended.
    if (m_run) return;
    for (ExpertEntry& entry : m_expert)
        entry.solver.reset();
}

void CTavDoc::ResetExpertRecords() {
    for (ExpertEntry& entry : m_expert) {
        entry.runs = 1;
        entry.successes = 1;
    }
}

std::string CTavDoc::GetProblemText() const {
    return ProblemTextOf(m_model);
}

bool CTavDoc::WriteProblemText(int count, const std::atomic<bool>* stop) {
    m_requested = count;
    const std::string text = GetProblemText();
    // Parsed from memory: no scratch file that another parse could overwrite meanwhile.
    auto raw = std::make_unique<RawCSP>();
    ParserErr error;
    try {
        RawParser parser;
        parser.SetStopRequest(stop);
        (void)parser.ParseText(text, raw.get()); // its error, or code 0, is taken below
        error = parser.GetError();
    } catch (const Platform::Cancelled&) {
        m_raw.reset();
        throw;
    } catch (const ParserErr& e) {
        error = e;
    } catch (const std::exception& e) {
        error = ParserErr(2, e.what());
    }
    if (!error.IsOk()) {
        m_lastParseError = error.Message();
        m_raw.reset();
        m_messages->ShowError("Parser Failed");
        return false;
    }
    m_lastParseError.clear();
    m_raw = std::move(raw);
    return true;
}

std::unique_ptr<RawSolver> CTavDoc::MakeBridge(RawCSP* problem, const AlgParams* params, int kind,
                                               const Platform::Diagnostics& diagnostics) {
    return MakeBridge(problem, params, kind, BridgeContext{diagnostics});
}

std::unique_ptr<RawSolver> CTavDoc::MakeBridge(RawCSP* problem, const AlgParams* params, int kind,
                                               BridgeContext context) {
    if (kind == kLinearProgramming) return std::make_unique<RawLPSolver>(problem);
    if (kind == 0) return std::make_unique<RawGFCSolver>(problem, params, std::move(context));
    return std::make_unique<RawGenericSolver>(problem, params, kind, std::move(context));
}

bool CTavDoc::BuildSolvers() {
    const BridgeFactory make =
        m_bridgeFactory ? m_bridgeFactory
                        : BridgeFactory([this](RawCSP* problem, const AlgParams* params, int kind) {
                              return MakeBridge(problem, params, kind, BridgeContext{m_diagnostics, &m_buildStop});
                          });
    m_expertMode = false;
    if (!m_raw->GetRealVariables().empty()) {
        m_ownedSolver = make(m_raw.get(), nullptr, kLinearProgramming);
        return true;
    }
    const int setting = static_cast<int>(m_solverSetting);
    switch (m_solverSetting) {
    case SolverSetting::GuidedLocalSearch:
    case SolverSetting::GeneticAlgorithm:
    case SolverSetting::TabuSearch:
        m_ownedSolver = make(m_raw.get(), &m_params[static_cast<std::size_t>(setting)], setting);
        m_engineKind = setting;
        return true;
    case SolverSetting::GuidedLocalSearch2:
        // The second guided local search shares the first one's parameters.
        m_ownedSolver = make(m_raw.get(), &m_params[1], setting);
        m_engineKind = setting;
        return true;
    case SolverSetting::Expert:
        // Complete search first, then the three engines the ranking orders.
        for (int row = 0; row < kExpertRows; ++row) {
            ExpertEntry& entry = m_expert[static_cast<std::size_t>(row)];
            if (!entry.solver)
                entry.solver = make(m_raw.get(), &m_params[static_cast<std::size_t>(row)], row);
        }
        m_expertMode = true;
        m_engineKind = 0;
        return true;
    case SolverSetting::CompleteSearch:
        break;
    }
    // Complete search, also for a value no setting has.
    const int complete = static_cast<int>(SolverSetting::CompleteSearch);
    m_ownedSolver = make(m_raw.get(), &m_params[0], complete);
    m_engineKind = complete;
    return true;
}

namespace {

// Sets a stop request at a deadline (at once when it has passed), unless dismissed first (by
// its destruction).
class BuildWatchdog {
public:
    BuildWatchdog(std::optional<std::chrono::steady_clock::time_point> deadline, std::atomic<bool>& stop) {
        if (!deadline) return;
        if (*deadline <= std::chrono::steady_clock::now()) {
            stop = true;
            return;
        }
        m_thread = std::thread([this, when = *deadline, &stop] {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait_until(lock, when, [this] { return m_dismissed; })) stop = true;
        });
    }
    BuildWatchdog(const BuildWatchdog&) = delete;
    BuildWatchdog& operator=(const BuildWatchdog&) = delete;
    ~BuildWatchdog() {
        if (!m_thread.joinable()) return;
        {
            std::lock_guard lock(m_mutex);
            m_dismissed = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_dismissed = false;
    std::thread m_thread;
};

} // namespace

bool CTavDoc::StartSolve(SolveEvents* events, int count,
                         std::optional<std::chrono::steady_clock::time_point> deadline) {
    if (m_run) EndSolve(false);
    DeliverEnded();
    m_buildStop = false;
    bool built = false;
    try {
        const BuildWatchdog watchdog(deadline, m_buildStop);
        built = ReadAndBuild(events, count);
    } catch (...) {
        m_buildStop = false;
        throw;
    }
    // A deadline that passed once everything was built ends nothing: the run's own limit does.
    m_buildStop = false;
    if (!built) return false;
    StartRun(events, count);
    return true;
}

bool CTavDoc::ReadAndBuild(SolveEvents* events, int count) {
    if (!WriteProblemText(count, &m_buildStop)) return false;
    m_statistics.clear();
    m_views->StatisticsChanged(m_statistics);
    {
        const auto lock = LockSolutions();
        m_solutions.Clear();
    }
    if (events != nullptr) ShowResults(0, 1);

    std::string refusal;
    bool stopped = false;
    try {
        BuildSolvers();
    } catch (const Platform::Cancelled&) {
        stopped = true;
    } catch (const ParserErr& e) {
        refusal = e.Message();
    } catch (const std::exception& e) {
        refusal = e.what();
    }
    if (stopped || !refusal.empty()) {
        ReleaseEngines();
        m_ownedSolver.reset();
        m_expertMode = false;
        m_raw.reset();
        if (stopped) throw Platform::Cancelled();
        m_messages->ShowError(refusal);
        return false;
    }
    return true;
}

void CTavDoc::StartRun(SolveEvents* events, int count) {
    m_report = RunReport{RunSolverName()};
    m_runStart = std::chrono::steady_clock::now();
    m_mailbox = std::make_shared<RunMailbox>(m_waker);
    m_events = events;
    if (m_expertMode) {
        m_runRows = m_engineOrder;
        std::vector<RawSolver*> engines;
        for (int row : m_runRows)
            engines.push_back(m_expert[static_cast<std::size_t>(row)].solver.get());
        m_solver = nullptr;
        m_run = std::make_unique<SolverRun>(m_mailbox, m_solveLock, std::move(engines), count, &m_solutions,
                                            m_listener);
    } else {
        m_solver = m_ownedSolver.get();
        m_run =
            std::make_unique<SolverRun>(m_mailbox, m_solveLock, m_solver, count, &m_solutions, m_listener);
    }
    m_run->Start();
}

void CTavDoc::StopAndWait() {
    if (!m_run) return;
    m_run->RequestStop();
    // A stop request that reaches an engine between two searches may be cleared when its next
    // search starts; asking again until the thread has ended keeps the wait bounded.
    do {
        if (m_expertMode) {
            for (RawSolver* engine : m_run->GetEngines())
                if (engine != nullptr) engine->Stop();
        } else if (m_solver != nullptr) {
            m_solver->Stop();
        }
    } while (!m_run->WaitEnded(std::chrono::milliseconds(100)));
    m_run->Join();
}

void CTavDoc::EndSolve(bool solved) {
    const bool existed = m_run != nullptr;
    std::string error;
    if (m_run) {
        // Ended before its finished event arrived: the user or the document ended it.
        NoteRunEnd(RunEnd::Stopped);
        StopAndWait();
        error = m_run->GetError();
        m_ended = {m_mailbox, m_events};
        m_mailbox.reset();
        m_events = nullptr;
        m_run.reset();
    }
    if (!m_expertMode) {
        // Only a run that took place counts in the Expert statistics.
        if (existed) {
            if (ExpertEntry* entry = ExpertRowAt(m_engineKind); entry != nullptr) {
                entry->runs = SaturatingIncrement(entry->runs);
                if (solved) entry->successes = SaturatingIncrement(entry->successes);
            }
            RankEngines();
        }
        m_ownedSolver.reset();
    } else {
        ReleaseEngines();
    }
    m_solver = nullptr;
    m_runRows.clear();
    m_raw.reset();
    if (!error.empty()) m_messages->ShowError(error);
}

std::string CTavDoc::RunSolverName() const {
    if (m_raw && !m_raw->GetRealVariables().empty()) return "linear programming";
    switch (m_solverSetting) {
    case SolverSetting::GuidedLocalSearch:
        return "guided local search";
    case SolverSetting::GeneticAlgorithm:
        return "the genetic algorithm";
    case SolverSetting::TabuSearch:
        return "tabu search";
    case SolverSetting::GuidedLocalSearch2:
        return "guided local search (version 2)";
    case SolverSetting::Expert:
        return "Expert";
    case SolverSetting::CompleteSearch:
        break;
    }
    return "complete search";
}

std::chrono::steady_clock::duration CTavDoc::GetRunElapsed() const {
    if (m_report.end != RunEnd::Running || m_report.solver.empty()) return m_report.elapsed;
    return std::chrono::steady_clock::now() - m_runStart;
}

void CTavDoc::NoteRunEnd(RunEnd why) {
    if (m_report.end != RunEnd::Running || m_report.solver.empty()) return;
    m_report.end = why;
    m_report.elapsed = std::chrono::steady_clock::now() - m_runStart;
}

void CTavDoc::NoteRunFinished() {
    {
        const auto lock = LockSolutions();
        int found = 0;
        for (const auto& column : m_solutions)
            found = std::max(found, column->GetCount());
        m_report.found = found;
    }
    NoteRunEnd(StoppedByThrashing() ? RunEnd::Thrashing : RunEnd::Complete);
}

bool CTavDoc::StoppedByThrashing() const {
    if (!m_run || m_expertMode) return false;
    const auto* search = dynamic_cast<const RawGFCSolver*>(m_solver);
    // A run that has what it asked for is complete, whatever the check would have said next.
    return search != nullptr && search->StoppedByThrashing() &&
           (m_requested < 0 || m_report.found < m_requested);
}

ExpertEntry* CTavDoc::ExpertRowAt(int row) {
    if (row < 0 || row >= static_cast<int>(m_expert.size())) return nullptr;
    return &m_expert[static_cast<std::size_t>(row)];
}

void CTavDoc::RequestRunStop() {
    if (m_run) m_run->RequestStop();
}

void CTavDoc::OnStopSolving() {
    if (!m_run) return;
    if (!m_messages->Ask("Stop Solving?")) return;
    NoteRunEnd(RunEnd::Stopped);
    StopAndWait();
    ShowStatistics();
    EndSolve(false);
}

bool CTavDoc::OnSolveTimeout() {
    if (!m_run) return true;
    if (!m_messages->Ask("Stop Solving?")) return false;
    NoteRunEnd(RunEnd::TimedOut);
    StopAndWait();
    ShowStatistics();
    EndSolve(false);
    m_messages->Show("Timed out - increase search time if desired");
    return true;
}

void CTavDoc::ShowResults(int ignored, int found) {
    (void)ignored;
    if (found == 0) m_messages->Show("No Solution found");
    m_views->ResultsChanged(found);
}

void CTavDoc::ShowStatistics() {
    if (m_solver == nullptr) return;
    std::ostringstream report;
    if (m_run) {
        std::unique_lock searching(m_run->SearchLock(), std::try_to_lock);
        if (!searching.owns_lock()) return;
        m_solver->PrintStatistics(report);
    } else {
        m_solver->PrintStatistics(report);
    }
    m_statistics = CStringConverter().Convert(report.str());
    m_views->StatisticsChanged(m_statistics);
}

void CTavDoc::RunFinished() {
    m_views->RunFinished();
}

void CTavDoc::SkipEngine() {
    if (m_solver == nullptr || !m_run) return;
    m_solver->Stop();
    m_run->MarkEngineTimeout();
}

void CTavDoc::EngineStarted(int position) {
    if (!m_run || !m_expertMode || position < 0 || position >= static_cast<int>(m_runRows.size())) return;
    ExpertEntry& entry = m_expert[static_cast<std::size_t>(m_runRows[static_cast<std::size_t>(position)])];
    m_solver = entry.solver.get();
    m_report.solver = "Expert (" + entry.name + ")";
    entry.runs = SaturatingIncrement(entry.runs);
}

void CTavDoc::EngineSolved(int position) {
    if (!m_run || !m_expertMode || position < 0 || position >= static_cast<int>(m_runRows.size())) return;
    ExpertEntry& entry = m_expert[static_cast<std::size_t>(m_runRows[static_cast<std::size_t>(position)])];
    entry.successes = SaturatingIncrement(entry.successes);
    RankEngines();
    m_engineKind = 0;
}

bool CTavDoc::RenderDescription(std::ostream& out, std::string* why) const {
    if (m_model.constraints.IsEmpty() && m_model.optimisation.empty()) {
        if (why != nullptr) *why = "the problem has no constraint and no optimisation target";
        return false;
    }
    return RenderDescriptionText(GetProblemText(), out, why);
}

bool CTavDoc::RenderDescriptionText(const std::string& problemText, std::ostream& out, std::string* why) {
    RawCSP raw;
    ParserErr error;
    try {
        error = ParseCSPText(problemText, nullptr, &raw);
    } catch (const ParserErr& e) {
        error = e;
    }
    if (!error.IsOk()) {
        if (why != nullptr) *why = error.Message();
        return false;
    }
    try {
        std::ostringstream text;
        GenExtDesc writer(&raw, &text);
        out << text.str();
    } catch (const ParserErr& e) {
        if (why != nullptr) *why = e.Message();
        return false;
    } catch (const std::exception& e) {
        if (why != nullptr) *why = e.what();
        return false;
    }
    return true;
}

int CTavDoc::DeliverEnded() {
    if (!m_ended.mailbox) return 0;
    const EndedRun ended = m_ended;
    m_ended = {};
    const RunMailbox::Batch batch = ended.mailbox->Take();
    if (ended.events == nullptr) return 0;
    // The ended run's engine events are stale: the engines they name are gone.
    int delivered = 0;
    if (batch.progress) {
        ended.events->progress(*batch.progress);
        ++delivered;
    }
    if (batch.finished) {
        NoteRunFinished();
        ended.events->finished(*batch.finished);
        ++delivered;
    }
    return delivered;
}

int CTavDoc::DeliverEvents() {
    int delivered = DeliverEnded();
    if (!m_mailbox) return delivered;
    const std::shared_ptr<RunMailbox> mailbox = m_mailbox;
    SolveEvents* const events = m_events;
    const RunMailbox::Batch batch = mailbox->Take();
    if (events == nullptr) return delivered;
    for (const auto& [kind, position] : batch.engineEvents) {
        // A handler may have ended the run; the rest of its engine events are stale.
        if (m_mailbox != mailbox) break;
        if (kind == RunMailbox::EngineEvent::Started) {
            events->engineStarted(position);
        } else {
            events->engineSolved(position);
        }
        ++delivered;
    }
    if (batch.progress) {
        events->progress(*batch.progress);
        ++delivered;
    }
    if (batch.finished) {
        NoteRunFinished();
        events->finished(*batch.finished);
        ++delivered;
    }
    return delivered;
}

int CTavDoc::WaitForEvents(std::chrono::milliseconds timeout) {
    WaitForPosted(timeout);
    return DeliverEvents();
}

void CTavDoc::WaitForPosted(std::chrono::milliseconds timeout) {
    if (m_mailbox && !m_ended.mailbox) m_mailbox->Wait(timeout);
}

} // namespace TavWorkbench
