#include "workbench/dialogs/import/GetExcelDataDlgModel.hpp"

#include "workbench/Validation.hpp"

#include <climits>
#include <cmath>
#include <fstream>
#include <iterator>
#include <system_error>

namespace TavDialogs {

namespace {

// The cell's number truncated toward zero; nothing when it is not a number or not an int.
std::optional<int> WholeNumber(const SpreadsheetBlock::Cell& cell) {
    if (!cell.isNumber) return std::nullopt;
    const double truncated = std::trunc(cell.number);
    if (truncated < INT_MIN || truncated > INT_MAX) return std::nullopt;
    return static_cast<int>(truncated);
}

} // namespace

std::optional<std::string> GetExcelDataDlgModel::BlockText(const SpreadsheetBlock& block, bool byRows) {
    if (block.Rows() == 0 || block.IsBlank()) return std::nullopt;
    if (block.Rows() == 1 && block.Cols() == 1) {
        const auto value = WholeNumber(block.At(1, 1));
        if (!value) return std::nullopt;
        return std::to_string(*value);
    }
    const int groups = byRows ? block.Rows() : block.Cols();
    const int cells = byRows ? block.Cols() : block.Rows();
    std::string text;
    for (int g = 1; g <= groups; ++g) {
        if (cells > 1) text += "[";
        for (int k = 1; k <= cells; ++k) {
            const auto value = WholeNumber(byRows ? block.At(g, k) : block.At(k, g));
            if (!value) continue;
            text += std::to_string(*value);
            if (k != cells) text += ",";
        }
        if (cells > 1) text += "]";
        if (g < groups) {
            text += ",";
            if (g % 8 == 0) text += "\r\n";
        }
        if (text.size() > kMaxText) return text;
    }
    return text;
}

void GetExcelDataDlgModel::ImportText(const std::string& text, char separator, DialogMessages& messages) {
    if (text.empty()) {
        messages.ShowBox(kNothingSelected, {});
        return;
    }
    if (text.find('\0') != std::string::npos) {
        messages.ShowBox(kUnexpected, {});
        return;
    }
    const SpreadsheetBlock block = SpreadsheetBlock::Parse(text, separator);
    if (block.TooLarge()) {
        messages.ShowBox(kUnexpected, {});
        return;
    }
    if (block.IsBlank()) return;
    const auto imported = BlockText(block, byRows);
    if (!imported || imported->size() > kMaxText) {
        messages.ShowBox(kUnexpected, {});
        return;
    }
    m_text = *imported;
}

void GetExcelDataDlgModel::ImportClipboard(const std::optional<std::string>& clipboardText,
                                           DialogMessages& messages) {
    if (!clipboardText) {
        messages.ShowBox(kNoText, {});
        return;
    }
    ImportText(*clipboardText, '\t', messages);
}

void GetExcelDataDlgModel::ImportFile(const std::filesystem::path& path, DialogMessages& messages) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    if (error || !in || size > kMaxFileBytes) {
        messages.ShowBox(kCannotRead, {});
        return;
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    if (size > 0 && !in.read(text.data(), static_cast<std::streamsize>(size))) {
        messages.ShowBox(kCannotRead, {});
        return;
    }
    const std::string extension = path.extension().string();
    const char separator = extension == ".tsv" || extension == ".tab" || extension == ".TSV"
                               ? '\t'
                               : SpreadsheetBlock::GuessSeparator(text);
    ImportText(text, separator, messages);
}

bool GetExcelDataDlgModel::OnOK(DialogMessages& messages) {
    m_focus = Field::ID;
    if (idText.empty()) {
        messages.ShowBox(kIdRequired, {});
        return false;
    }
    if (!TavWorkbench::ValidateIdentifier(idText, m_keyWords, m_model.domains, m_model.variables,
                                          m_model.constraints, m_model.constants,
                                          TavWorkbench::ElementKind::Constant, -1, messages))
        return false;
    m_focus = Field::Data;
    if (m_text.empty()) {
        messages.ShowBox(kNoData, {});
        return false;
    }
    return TavWorkbench::CheckListSyntax(m_text, false, nullptr, messages);
}

TavWorkbench::CConstant GetExcelDataDlgModel::GetConstant() const {
    return TavWorkbench::CConstant(idText, m_text, TavWorkbench::CConstant::Type::List);
}

} // namespace TavDialogs
