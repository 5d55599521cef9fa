#pragma once
// The two settings files the document keeps in its settings folder (the working directory):
// "Params.ini", the ten solver parameter blocks as 10 x 15 little-endian int32 (600 bytes, no
// header), and "expert.dat", the Expert table as text: the row count and the per-engine
// interval on a line each, then per row the name, runs and successes, each followed by a tab.

#include "bridges/AlgParams.hpp"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace TavWorkbench {

inline constexpr const char* kParamsFileName = "Params.ini";
inline constexpr const char* kExpertFileName = "expert.dat";

// Blocks 0 to 3 belong to complete search, guided local search, the genetic algorithm and tabu
// search; 4 to 9 are kept but never read by a solve.
inline constexpr int kParamBlockCount = 10;
using ParamBlocks = std::array<TavBridges::AlgParams, kParamBlockCount>;

// The Expert table as stored: always four rows (complete search first, then the three engines
// it ranks), the interval in seconds.
struct ExpertSettings {
    struct Row {
        std::string name;
        int runs = 1;
        int successes = 1;
    };
    int interval = 20;
    std::vector<Row> rows;
};

inline constexpr int kExpertRows = 4;
// The longest engine name a row may have.
inline constexpr std::size_t kMaxEngineName = 31;

enum class SettingsRead { Read, Missing, Damaged };

// Blocks 0 to 3 with the families' defaults, the others all 0.
ParamBlocks DefaultParamBlocks();
// The 600 bytes of "Params.ini".
std::string ParamsFileBytes(const ParamBlocks& blocks);
// Reads "Params.ini": Read with `blocks` filled, Missing when the file cannot be opened,
// Damaged (and `blocks` untouched) when it is not exactly 600 bytes.
SettingsRead ReadParamsFile(const std::filesystem::path& path, ParamBlocks& blocks);

// Rows "GFC", "GLS", "GA", "Tabu" with runs 1 and successes 1, interval 20.
ExpertSettings DefaultExpertSettings();
// The text of "expert.dat".
std::string ExpertFileText(const ExpertSettings& settings);
// Reads "expert.dat": Read with `settings` filled; Missing when it cannot be opened; Damaged
// (and `settings` untouched) when a field is missing or not a number, the count is not 4, the
// interval is below 1, a name is longer than kMaxEngineName, runs are below 1 or successes
// below 0.
SettingsRead ReadExpertFile(const std::filesystem::path& path, ExpertSettings& settings);

// Writes `bytes` to a new file beside `path` and renames it over `path`, so that a failed write
// leaves the old file as it was. False when the file cannot be written.
[[nodiscard]] bool WriteFileReplacing(const std::filesystem::path& path, const std::string& bytes);

// The whole content of a file, at most `limit` bytes; false when it cannot be read or is larger.
[[nodiscard]] bool ReadWholeFile(const std::filesystem::path& path, std::size_t limit, std::string& bytes);

} // namespace TavWorkbench
