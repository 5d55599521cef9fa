#include "workbench/CTavDoc.hpp"

#include "platform/FatalError.hpp"
#include "workbench/archive/TavDocumentFile.hpp"
#include "workbench/archive/TavFileError.hpp"

#include <cfloat>
#include <climits>
#include <cmath>

namespace TavWorkbench {

namespace {

// A ".tav" file larger than this is not read (no document of a workbench comes near it).
constexpr std::size_t kMaxDocumentBytes = std::size_t(1) << 30;

int SaturatingIncrement(int value) {
    return value == INT_MAX ? value : value + 1;
}

} // namespace

CTavDoc::CTavDoc(DocMessages* messages, std::filesystem::path settingsFolder)
    : m_settingsFolder(std::move(settingsFolder)),
      m_messages(messages != nullptr ? messages : &m_defaultMessages), m_rankRandom(std::random_device{}()) {
    LoadSettings();
}

CTavDoc::~CTavDoc() {
    EndSolve(false);
    SaveExpertFile();
}

void CTavDoc::LoadSettings() {
    m_params = DefaultParamBlocks();
    switch (ReadParamsFile(m_settingsFolder / kParamsFileName, m_params)) {
    case SettingsRead::Read:
        m_paramsDefaulted = false;
        break;
    case SettingsRead::Missing:
        m_paramsDefaulted = true;
        SaveParameters();
        break;
    case SettingsRead::Damaged:
        // Kept as it is: the user may still want it; "Save Parameters" replaces it.
        m_paramsDefaulted = true;
        break;
    }

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
        m_messages->Show("Unable to open file\n");
}

bool CTavDoc::SaveParameters() {
    if (WriteFileReplacing(m_settingsFolder / kParamsFileName, ParamsFileBytes(m_params))) return true;
    m_messages->Show("Unable to write Params.ini");
    return false;
}

AlgParams& CTavDoc::GetParameterBlock(int index) {
    if (index < 0 || index >= kParamBlockCount)
        throw Platform::InternalError("no parameter block " + std::to_string(index));
    return m_params[static_cast<std::size_t>(index)];
}

bool CTavDoc::OnNewDocument() {
    DeleteContents();
    m_model.domains.AddBoolDomain("TrueFalse");
    m_model.domains.AddDoubleDomain("RealDomain", 0.0, static_cast<double>(FLT_MAX));
    m_requested = 1;
    m_solverSetting = kCompleteSearch;
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
    for (ExpertEntry& entry : m_expert)
        entry.solver.reset();
}

void CTavDoc::EndSolve(bool solved) {
    if (!m_solveExisted) return;
    m_solveExisted = false;
    if (!m_expertMode) {
        ExpertEntry& entry = m_expert[static_cast<std::size_t>(m_engineKind)];
        entry.runs = SaturatingIncrement(entry.runs);
        if (solved) entry.successes = SaturatingIncrement(entry.successes);
        RankEngines();
    }
}

} // namespace TavWorkbench
