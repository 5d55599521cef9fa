#pragma once
// Imports a block of integer cells copied in a spreadsheet program (the clipboard's text) or
// read from a CSV or tab-separated file, as a new list constant: one value, or a list of
// sub-lists by rows or by columns. The imported text is shown read-only until OK.

#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/import/SpreadsheetBlock.hpp"
#include "workbench/model/CConstant.hpp"
#include "workbench/model/CKeyWords.hpp"
#include "workbench/model/TavModel.hpp"

#include <filesystem>
#include <optional>
#include <string>

namespace TavDialogs {

class GetExcelDataDlgModel {
public:
    static constexpr const char* kTitle = "Getting Data from Excel";
    // The most the imported text may hold.
    static constexpr std::size_t kMaxText = 500000;
    // The largest file read.
    static constexpr std::uintmax_t kMaxFileBytes = 16u << 20;

    // The messages, in the order a user may meet them.
    static constexpr const char* kCannotRead = "Failed to fire Excel";
    static constexpr const char* kNoText = "Excel seems to be missing";
    static constexpr const char* kNothingSelected = "Nothing seems selected in Excel";
    static constexpr const char* kUnexpected = "Not expected Data type from Excel";
    static constexpr const char* kIdRequired = "ID required";
    static constexpr const char* kNoData = "No Data loaded";

    enum class Field { ID, Data };

    // The problem's collections, which the new id must not clash with; they must outlive the model.
    GetExcelDataDlgModel(const TavWorkbench::TavModel& model, const TavWorkbench::CKeyWords& keyWords)
        : m_model(model), m_keyWords(keyWords) {}

    std::string idText;
    // Sub-lists by rows ("By Rows", the default) or by columns.
    bool byRows = true;
    // The imported text, shown read-only.
    const std::string& ImportedText() const { return m_text; }

    // The clipboard's text (nothing when it holds none: "Excel seems to be missing").
    void ImportClipboard(const std::optional<std::string>& clipboardText, DialogMessages& messages);
    // A CSV or tab-separated file ("Failed to fire Excel" when it cannot be read).
    void ImportFile(const std::filesystem::path& path, DialogMessages& messages);
    // Text with `separator` between cells: no text at all, "Nothing seems selected in Excel";
    // only blank cells, nothing changes; one cell, its number truncated to a whole number (a cell
    // that is not a number: "Not expected Data type from Excel"); a block, "[..],[..]" groups by
    // rows or by columns (brackets only around groups of more than one cell; cells that are not
    // numbers write nothing; a line break after every eighth group but the last). A text longer
    // than kMaxText, or a block of more than SpreadsheetBlock::kMaxCells cells, is refused with
    // "Not expected Data type from Excel". A refusal keeps the text imported before.
    void ImportText(const std::string& text, char separator, DialogMessages& messages);

    // The id ("ID required"; then the identifier checks against every collection), then some
    // imported text ("No Data loaded"), then the list check of the text.
    bool OnOK(DialogMessages& messages);
    Field Focus() const { return m_focus; }
    // After OK: the list constant (type 2) to append.
    TavWorkbench::CConstant GetConstant() const;

    // The imported text of a block, as ImportText writes it; empty when nothing is imported.
    static std::optional<std::string> BlockText(const SpreadsheetBlock& block, bool byRows);

private:
    const TavWorkbench::TavModel& m_model;
    const TavWorkbench::CKeyWords& m_keyWords;
    std::string m_text;
    Field m_focus = Field::ID;
};

} // namespace TavDialogs
