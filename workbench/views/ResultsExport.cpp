#include "workbench/views/ResultsExport.hpp"

#include "workbench/CTavDoc.hpp"

#include <fstream>

namespace TavWorkbench {

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string ResultsCsvText(const CSolutionArray& store, bool headings) {
    std::string text;
    for (int c = 0; c < store.GetSize(); ++c) {
        const CVarSolution& column = *store[c];
        if (c == 0 && headings) {
            text += "Variable";
            for (int k = 1; k <= column.GetCount(); ++k)
                text += ",Solution " + std::to_string(k);
            text += "\r\n";
        }
        text += CsvField(column.GetID());
        for (const std::string& value : column.GetValues())
            text += "," + CsvField(value);
        text += "\r\n";
    }
    return text;
}

CsvExportStatus SaveResults(CTavDoc& doc, const std::filesystem::path& path, bool headings) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        doc.Messages().Show("Failed to Open File");
        return CsvExportStatus::OpenFailed;
    }
    std::string text;
    {
        const auto lock = doc.LockSolutions();
        text = ResultsCsvText(doc.GetSolutions(), headings);
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
        doc.Messages().Show("Write operation failed");
        return CsvExportStatus::WriteFailed;
    }
    return CsvExportStatus::Written;
}

} // namespace TavWorkbench
