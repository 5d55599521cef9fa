// The spreadsheet import: cells from the clipboard's text or a file, and the constant they make.
#include "WizardScript.hpp"

#include "workbench/dialogs/import/GetExcelDataDlgModel.hpp"

#include "TempFolder.hpp"

#include <gtest/gtest.h>

#include <fstream>

using namespace TavDialogs;

namespace {

class Import : public ::testing::Test {
protected:
    Import() : dialog(model, keyWords) {}

    std::string Clip(const std::string& text, bool byRows = true) {
        dialog.byRows = byRows;
        dialog.ImportClipboard(text, messages);
        return dialog.ImportedText();
    }

    TavWorkbench::TavModel model;
    TavWorkbench::CKeyWords keyWords;
    WizardMessages messages;
    GetExcelDataDlgModel dialog;
};

TEST_F(Import, BlocksByRowsAndByColumns) {
    const struct {
        const char* clipboard;
        bool byRows;
        const char* text;
    } cases[] = {
        {"1\t2\t3\n4\t5\t6\n", true, "[1,2,3],[4,5,6]"},
        {"1\t2\t3\n4\t5\t6\n", false, "[1,4],[2,5],[3,6]"},
        {"7.9\n", true, "7"},
        {"-7.9", true, "-7"},
        {"1\t2\t3\n", true, "[1,2,3]"},
        {"1\n2\n3\n", true, "1,2,3"},
        {"1\t2\tx\n", true, "[1,2,]"},
        {"\"1\"\t2\r\n3\t\"4\"\r\n", true, "[1,2],[3,4]"},
        {"1\t\n2\t3\n", true, "[1,],[2,3]"},
        {"1\t2\n\n3\t4\n\n\n", true, "[1,2],[],[3,4]"},
        {"1\n\t\t\n2\n", true, "[1,],[],[2,]"},
    };
    for (const auto& c : cases) {
        GetExcelDataDlgModel fresh(model, keyWords);
        fresh.byRows = c.byRows;
        fresh.ImportClipboard(std::string(c.clipboard), messages);
        EXPECT_EQ(fresh.ImportedText(), c.text) << c.clipboard;
    }
    EXPECT_TRUE(messages.shown.empty());
}

// A line break after every eighth group, but none after the last, so that the list check passes.
TEST_F(Import, LineBreaksAfterEveryEighthGroupButTheLast) {
    std::string rows;
    for (int r = 1; r <= 16; ++r)
        rows += std::to_string(r) + "\t0\n";
    const std::string text = Clip(rows);
    EXPECT_NE(text.find("[8,0],\r\n[9,0]"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 8), "],[16,0]") << "no line break after the sixteenth group";
    dialog.idText = "Data16";
    EXPECT_TRUE(dialog.OnOK(messages)) << messages.Last();
}

TEST_F(Import, ClipboardAndFileGiveTheSameConstant) {
    const std::string block = "3\t1\t4\t1\n5\t9\t2\t6\n5\t3\t5\t8\n";
    Clip(block);
    const std::string fromClipboard = dialog.ImportedText();
    EXPECT_EQ(fromClipboard, "[3,1,4,1],[5,9,2,6],[5,3,5,8]");
    TempFolder folder;
    for (const auto& [name, content] :
         std::vector<std::pair<std::string, std::string>>{{"block.csv", "3,1,4,1\r\n5,9,2,6\r\n5,3,5,8\r\n"},
                                                          {"block.tsv", block},
                                                          {"semicolons.csv", "3;1;4;1\n5;9;2;6\n5;3;5;8"}}) {
        std::ofstream(folder.Path() / name, std::ios::binary) << content;
        GetExcelDataDlgModel fromFile(model, keyWords);
        fromFile.ImportFile(folder.Path() / name, messages);
        EXPECT_EQ(fromFile.ImportedText(), fromClipboard) << name;
    }
    dialog.idText = "Table";
    ASSERT_TRUE(dialog.OnOK(messages));
    const auto constant = dialog.GetConstant();
    EXPECT_EQ(constant.GetType(), TavWorkbench::CConstant::Type::List);
    EXPECT_EQ(constant.GetModelText(), "Table := [[3,1,4,1],[5,9,2,6],[5,3,5,8]];");
}

TEST_F(Import, EachMessageAndWhatStays) {
    TempFolder folder;
    model.domains.AddBoolDomain("Taken");
    const auto refusedImport = [&](const std::function<void()>& import, const std::string& message) {
        messages.shown.clear();
        dialog.ImportClipboard(std::string("5"), messages);
        import();
        EXPECT_EQ(messages.shown, std::vector<std::string>{message});
        EXPECT_EQ(dialog.ImportedText(), "5") << message << ": the text imported before stays";
    };
    refusedImport([&] { dialog.ImportFile(folder.Path() / "missing.csv", messages); },
                  "Failed to fire Excel");
    refusedImport([&] { dialog.ImportClipboard(std::nullopt, messages); }, "Excel seems to be missing");
    refusedImport([&] { dialog.ImportClipboard(std::string(), messages); },
                  "Nothing seems selected in Excel");
    refusedImport([&] { dialog.ImportClipboard(std::string("abc\n"), messages); },
                  "Not expected Data type from Excel");
    refusedImport([&] { dialog.ImportClipboard(std::string("1e10"), messages); },
                  "Not expected Data type from Excel");
    std::string tooMuch;
    for (int r = 0; r < 70000; ++r)
        tooMuch += "1234567\n";
    refusedImport([&] { dialog.ImportClipboard(tooMuch, messages); }, "Not expected Data type from Excel");
    // Few characters, but a block of 601 rows by 2001 columns: refused before it takes the memory.
    std::string wide(2000, '\t');
    for (int r = 0; r < 600; ++r)
        wide += "\n1";
    refusedImport([&] { dialog.ImportClipboard(wide, messages); }, "Not expected Data type from Excel");

    messages.shown.clear();
    dialog.ImportClipboard(std::string("\t\n"), messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dialog.ImportedText(), "5") << "an empty selection changes nothing";

    const struct {
        const char* id;
        const char* message;
        GetExcelDataDlgModel::Field focus;
    } ids[] = {
        {"", "ID required", GetExcelDataDlgModel::Field::ID},
        {"taken", "The id is already in use for a Domain, Please Change", GetExcelDataDlgModel::Field::ID},
        {"1x", "ID must start with a letter", GetExcelDataDlgModel::Field::ID},
    };
    for (const auto& c : ids) {
        dialog.idText = c.id;
        EXPECT_FALSE(dialog.OnOK(messages));
        EXPECT_EQ(messages.Last(), c.message);
        EXPECT_EQ(dialog.Focus(), c.focus);
    }
    GetExcelDataDlgModel empty(model, keyWords);
    empty.idText = "Fresh";
    EXPECT_FALSE(empty.OnOK(messages));
    EXPECT_EQ(messages.Last(), "No Data loaded");
    EXPECT_EQ(empty.Focus(), GetExcelDataDlgModel::Field::Data);

    Clip("1\t2\tx\n");
    dialog.idText = "Fresh";
    EXPECT_FALSE(dialog.OnOK(messages));
    EXPECT_EQ(messages.Last(), "Remove Comma before Close Bracket");
}

} // namespace
