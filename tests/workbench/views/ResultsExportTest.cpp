// The comma-separated export: the transposed layout with and without headings, the quoting of
// fields that need it, and the two failures, each leaving the document as it was.

#include "../RecordingMessages.hpp"
#include "../TempFolder.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/HeadlessSolveDriver.hpp"
#include "workbench/views/ResultsExport.hpp"

#include <gtest/gtest.h>

using namespace TavWorkbench;

namespace {

CSolutionArray TwoSolutions() {
    CSolutionArray store;
    store.GetVarSolution(0, "x")->AddValue("1");
    store.GetVarSolution(0, "x")->AddValue("2");
    store.GetVarSolution(1, "y")->AddValue("3");
    store.GetVarSolution(1, "y")->AddValue("4");
    return store;
}

} // namespace

TEST(ResultsExport, OneLinePerColumn) {
    const CSolutionArray store = TwoSolutions();
    EXPECT_EQ(ResultsCsvText(store, true), "Variable,Solution 1,Solution 2\r\nx,1,2\r\ny,3,4\r\n");
    EXPECT_EQ(ResultsCsvText(store, false), "x,1,2\r\ny,3,4\r\n");
    EXPECT_EQ(ResultsCsvText(CSolutionArray(), true), "");
}

TEST(ResultsExport, FieldsAreQuotedOnlyWhereNeeded) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"12", "12"},
        {"-3.5", "-3.5"},
        {"[1,2]", "\"[1,2]\""},
        {"{}", "{}"},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"a\r\nb", "\"a\r\nb\""},
        {"", ""},
        {"red green", "red green"},
    };
    for (const auto& [field, written] : cases)
        EXPECT_EQ(CsvField(field), written) << field;
    CSolutionArray store;
    store.GetVarSolution(0, "s")->AddValue("[1,2]");
    store.GetVarSolution(0, "s")->AddValue("[3]");
    EXPECT_EQ(ResultsCsvText(store, false), "s,\"[1,2]\",[3]\r\n");
}

TEST(ResultsExport, WritesTheDocumentsResults) {
    TempFolder folder;
    RecordingMessages messages;
    CTavDoc doc(&messages, folder.Path());
    doc.OnNewDocument();
    doc.GetModel().domains.AddIntDomain("D", "", "", "", 0, 5, {}, 0, 0);
    doc.GetModel().variables.AddVariable("v", CVariable::Type::IntVar, "D", 0, "", {});
    doc.GetModel().constraints.Add(std::make_unique<CConstraint>("c", "v = 3;"));
    ASSERT_EQ(HeadlessSolveDriver(doc).Run(1).found, 1);
    ASSERT_EQ(SaveResults(doc, folder / "out.csv", true), CsvExportStatus::Written);
    EXPECT_EQ(folder.Read("out.csv"), "Variable,Solution 1\r\nv,3\r\n");
    EXPECT_TRUE(messages.Shown().empty());
}

TEST(ResultsExport, AFileThatCannotBeOpenedIsReported) {
    TempFolder folder;
    RecordingMessages messages;
    CTavDoc doc(&messages, folder.Path());
    EXPECT_EQ(SaveResults(doc, folder.Path(), true), CsvExportStatus::OpenFailed);
    EXPECT_EQ(messages.Shown(), std::vector<std::string>{"Failed to Open File"});
}

TEST(ResultsExport, AFailedWriteIsReported) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    TempFolder folder;
    RecordingMessages messages;
    CTavDoc doc(&messages, folder.Path());
    {
        const auto lock = doc.LockSolutions();
        // The store is the document's; a long column makes the write reach the device.
        const_cast<CSolutionArray&>(doc.GetSolutions())
            .GetVarSolution(0, "x")
            ->AddValue(std::string(1 << 16, '7'));
    }
    EXPECT_EQ(SaveResults(doc, "/dev/full", false), CsvExportStatus::WriteFailed);
    EXPECT_EQ(messages.Shown(), std::vector<std::string>{"Write operation failed"});
}
