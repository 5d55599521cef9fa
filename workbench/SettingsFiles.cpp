#include "workbench/SettingsFiles.hpp"

#include "workbench/archive/TavArchiveReader.hpp"
#include "workbench/archive/TavArchiveWriter.hpp"
#include "workbench/archive/TavFileError.hpp"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unistd.h>

using namespace TavBridges;

namespace TavWorkbench {

namespace {

constexpr std::size_t kParamsFileSize = kParamBlockCount * AlgParams::kCount * 4;
// Far more than four rows of text can need; a larger file is not an Expert table.
constexpr std::size_t kExpertFileLimit = 64 * 1024;

// A whole decimal int (optional sign), as "%d" reads one field.
bool ParseInt(const std::string& token, int& value) {
    if (token.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(token.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < INT_MIN || parsed > INT_MAX) return false;
    value = static_cast<int>(parsed);
    return true;
}

} // namespace

ParamBlocks DefaultParamBlocks() {
    ParamBlocks blocks;
    blocks[0] = AlgParams::Defaults(AlgParams::Family::CompleteSearch);
    blocks[1] = AlgParams::Defaults(AlgParams::Family::GuidedLocalSearch);
    blocks[2] = AlgParams::Defaults(AlgParams::Family::GeneticAlgorithm);
    blocks[3] = AlgParams::Defaults(AlgParams::Family::TabuSearch);
    return blocks;
}

std::string ParamsFileBytes(const ParamBlocks& blocks) {
    TavArchiveWriter out;
    for (const AlgParams& block : blocks)
        for (int id = 0; id < AlgParams::kCount; ++id)
            out.Int32(block.GetParameter(id));
    return out.TakeBytes();
}

SettingsRead ReadParamsFile(const std::filesystem::path& path, ParamBlocks& blocks) {
    std::string bytes;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return SettingsRead::Missing;
    if (!ReadWholeFile(path, kParamsFileSize + 1, bytes)) {
        // Present but unreadable or larger than a parameter file.
        std::ifstream probe(path, std::ios::binary);
        return probe ? SettingsRead::Damaged : SettingsRead::Missing;
    }
    if (bytes.size() != kParamsFileSize) return SettingsRead::Damaged;
    TavArchiveReader in(bytes, path.string(), "parameter file");
    ParamBlocks read;
    for (AlgParams& block : read)
        for (int id = 0; id < AlgParams::kCount; ++id)
            block.SetParameter(id, in.Int32("a parameter"));
    blocks = read;
    return SettingsRead::Read;
}

ExpertSettings DefaultExpertSettings() {
    ExpertSettings settings;
    settings.interval = 20;
    for (const char* name : {"GFC", "GLS", "GA", "Tabu"})
        settings.rows.push_back({name, 1, 1});
    return settings;
}

std::string ExpertFileText(const ExpertSettings& settings) {
    std::string text = std::to_string(settings.rows.size()) + "\n" + std::to_string(settings.interval) + "\n";
    for (const auto& row : settings.rows)
        text += row.name + "\t" + std::to_string(row.runs) + "\t" + std::to_string(row.successes) + "\t";
    return text;
}

SettingsRead ReadExpertFile(const std::filesystem::path& path, ExpertSettings& settings) {
    std::string text;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return SettingsRead::Missing;
    if (!ReadWholeFile(path, kExpertFileLimit, text)) {
        std::ifstream probe(path, std::ios::binary);
        return probe ? SettingsRead::Damaged : SettingsRead::Missing;
    }
    std::istringstream in(text);
    std::vector<std::string> tokens;
    for (std::string token; in >> token;)
        tokens.push_back(token);
    int count = 0;
    ExpertSettings read;
    if (tokens.size() < 2 || !ParseInt(tokens[0], count) || !ParseInt(tokens[1], read.interval))
        return SettingsRead::Damaged;
    if (count != kExpertRows || read.interval < 1) return SettingsRead::Damaged;
    if (tokens.size() < 2 + 3 * static_cast<std::size_t>(count)) return SettingsRead::Damaged;
    for (int row = 0; row < count; ++row) {
        ExpertSettings::Row entry;
        const std::size_t at = 2 + 3 * static_cast<std::size_t>(row);
        entry.name = tokens[at];
        if (entry.name.size() > kMaxEngineName) return SettingsRead::Damaged;
        if (!ParseInt(tokens[at + 1], entry.runs) || !ParseInt(tokens[at + 2], entry.successes))
            return SettingsRead::Damaged;
        if (entry.runs < 1 || entry.successes < 0) return SettingsRead::Damaged;
        read.rows.push_back(entry);
    }
    settings = read;
    return SettingsRead::Read;
}

bool WriteFileReplacing(const std::filesystem::path& path, const std::string& bytes) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temporary = path;
    temporary += ".~" + std::to_string(::getpid()) + "." + std::to_string(counter++);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

bool ReadWholeFile(const std::filesystem::path& path, std::size_t limit, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string content;
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        const auto got = static_cast<std::size_t>(in.gcount());
        if (content.size() + got > limit) return false;
        content.append(buffer, got);
    }
    if (in.bad()) return false;
    bytes = std::move(content);
    return true;
}

} // namespace TavWorkbench
