#pragma once
// The comma-separated export of the results: one line per solution column (each variable,
// then "Cost" and "Soft Cost" when present), its name and then one field per solution; with
// headings, a first line "Variable,Solution 1,...". Lines end with CR LF. A field holding a
// comma, a double quote or a line break is quoted (quotes doubled inside); every other field
// is written as it is.

#include "workbench/model/CSolutionArray.hpp"

#include <filesystem>
#include <string>

namespace TavWorkbench {

class CTavDoc;

// One field as the file holds it.
std::string CsvField(const std::string& text);

// The whole file's text.
std::string ResultsCsvText(const CSolutionArray& store, bool headings);

enum class CsvExportStatus { Written, OpenFailed, WriteFailed };

// Writes the document's results to `path` (created or truncated), holding the store's lock
// while it reads. Shows "Failed to Open File" or "Write operation failed" through the
// document's messages when it fails.
CsvExportStatus SaveResults(CTavDoc& doc, const std::filesystem::path& path, bool headings);

} // namespace TavWorkbench
