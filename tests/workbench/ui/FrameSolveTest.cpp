// The workbench's windows on a real solve: a saved 8-queens document opened, First Solution
// shown in the list and checked by the evaluator, All Solutions in the grid with its CSV
// export, copying a block of the grid, and printing the results to a PDF file.

#include "FrameFixture.hpp"

#include "bridges/RawEvaluator.hpp"
#include "language/RawParser.hpp"
#include "language/raw/RawInt.hpp"
#include "workbench/views/ProblemTree.hpp"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusTipEvent>
#include <QTableView>

#include <gtest/gtest.h>

#include <set>
#include <sstream>

using namespace TavLanguage;
using namespace TavWorkbench;
using namespace TavWorkbench::Ui;

namespace {

// The queens of one solution are a permutation with no two on a diagonal.
bool IsQueens(const std::vector<int>& q) {
    for (std::size_t i = 0; i < q.size(); ++i)
        for (std::size_t j = i + 1; j < q.size(); ++j)
            if (q[i] == q[j] || std::abs(q[i] - q[j]) == static_cast<int>(j - i)) return false;
    return true;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000)) return {};
    return process.readAllStandardOutput().toStdString();
}

struct QueensFixture : FrameFixture {
    std::filesystem::path path;
    QueensFixture() : path(SaveQueens("queens.tav")) {
        // Complete search without its thrashing stop, so that All Solutions finds every one.
        doc->GetParameterBlock(0).SetParameter(2, 0);
    }
};

} // namespace

TEST(FrameSolve, FirstSolutionOfASavedDocumentIsShownAndHolds) {
    QueensFixture f;
    ASSERT_TRUE(f.frame->OpenDocument(f.path));
    EXPECT_EQ(f.frame->Title(), "queens.tav");
    EXPECT_EQ(f.frame->windowTitle().toStdString(), "queens.tav - Tav");
    EXPECT_EQ(f.Tree().Tree().Root()->text, "queens.tav");
    ASSERT_NE(f.Tree().Tree().FindChildItem("q", f.Tree().Tree().Group(ProblemTree::kVariables)), nullptr);

    ASSERT_TRUE(f.frame->OnCommand(CommandId::FirstSolution));
    EXPECT_FALSE(f.frame->Action(CommandId::FirstSolution)->isEnabled() && f.doc->IsSolving());
    ASSERT_TRUE(f.WaitUntilSolved());

    std::vector<TavViewModel::ListLine> lines;
    {
        const auto lock = f.doc->LockSolutions();
        lines = f.Results().ViewModel().ListLines(f.doc->GetSolutions());
    }
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0].solution, "Solution :1");

    // The shown values, checked against the problem by the evaluator and by hand.
    RawCSP problem;
    ASSERT_TRUE(ParseCSPText(f.doc->GetProblemText(), nullptr, &problem).IsOk());
    RawSolution solution;
    std::vector<int> queens;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int value = std::stoi(lines[i].value);
        queens.push_back(value);
        solution.AddLabel(RawLabel(lines[i].name, RPtr<RawExpr>(new RawInt(value))));
    }
    const TavBridges::RawEvaluation evaluation = TavBridges::RawEvaluator(problem).Evaluate(solution);
    EXPECT_TRUE(evaluation.feasible) << (evaluation.faults.empty() ? "" : evaluation.faults.front());
    EXPECT_TRUE(IsQueens(queens));

    // The text pane ends empty; no box was shown; the stepping commands follow the one solution.
    EXPECT_EQ(f.frame->StatusText(1), "");
    EXPECT_TRUE(f.prompts.shown.empty());
    f.frame->UpdateCommandStates();
    EXPECT_FALSE(f.frame->Action(CommandId::GoNextSolution)->isEnabled());
    EXPECT_TRUE(f.frame->Action(CommandId::FirstSolution)->isEnabled());
    EXPECT_TRUE(f.frame->Action(CommandId::SaveResults)->isEnabled());
}

TEST(FrameSolve, AllSolutionsFillTheGridAndTheExport) {
    QueensFixture f;
    ASSERT_TRUE(f.frame->OpenDocument(f.path));
    ASSERT_TRUE(f.frame->OnCommand(CommandId::ViewGrid));
    ASSERT_TRUE(f.frame->OnCommand(CommandId::AllSolutions));
    ASSERT_TRUE(f.WaitUntilSolved());

    const QAbstractItemModel* grid = f.Results().Table()->model();
    ASSERT_EQ(grid->columnCount(), 92);
    ASSERT_EQ(grid->rowCount(), 8);
    EXPECT_EQ(grid->headerData(91, Qt::Horizontal).toString(), "Solution 92");
    EXPECT_EQ(grid->headerData(0, Qt::Vertical).toString(), "q[0]");
    std::set<std::vector<int>> distinct;
    for (int c = 0; c < 92; ++c) {
        std::vector<int> queens;
        for (int r = 0; r < 8; ++r)
            queens.push_back(grid->index(r, c).data().toString().toInt());
        EXPECT_TRUE(IsQueens(queens)) << "solution " << c + 1;
        distinct.insert(queens);
    }
    EXPECT_EQ(distinct.size(), 92u);

    f.prompts.saveFile = f.folder / "all.csv";
    f.prompts.answers = {true};
    ASSERT_TRUE(f.frame->OnCommand(CommandId::SaveResults));
    EXPECT_EQ(f.prompts.asked.back(), "Include Headings in File");
    EXPECT_EQ(f.prompts.filters.back(), "Comma Separated Files (*.csv)");
    const std::vector<std::string> lines = SplitLines(f.folder.Read("all.csv"));
    ASSERT_EQ(lines.size(), 9u);
    for (const std::string& line : lines)
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 92) << line.substr(0, 40);
    EXPECT_EQ(lines[0].substr(0, 30), "Variable,Solution 1,Solution 2");
    EXPECT_EQ(lines[1].substr(0, 5), "q[0],");
}

// At its default settings complete search's thrashing check ends 8-queens' All Solutions early:
// the status bar and the results say so and name the remedy; a run that got what it asked for
// says it finished.
TEST(FrameSolve, AThrashingStopIsShownWithItsRemedy) {
    FrameFixture f;
    ASSERT_TRUE(f.frame->OpenDocument(f.SaveQueens("queens.tav")));
    ASSERT_EQ(f.doc->GetParameterBlock(0).GetParameter(2), 1);
    ASSERT_TRUE(f.frame->OnCommand(CommandId::AllSolutions));
    ASSERT_TRUE(f.WaitUntilSolved());
    int found = 0;
    {
        const auto lock = f.doc->LockSolutions();
        found = f.doc->GetSolutions()[0]->GetCount();
    }
    ASSERT_GT(found, 0);
    ASSERT_LT(found, 92);
    const std::string status = f.frame->StatusText(0);
    const std::string remedy = "\"Thrashing Threshold\" to 0 in Options/Set Parameters";
    EXPECT_NE(status.find("thrashing check"), std::string::npos) << status;
    EXPECT_NE(status.find(std::to_string(found) + " solutions"), std::string::npos) << status;
    EXPECT_NE(status.find(remedy), std::string::npos) << status;
    // A menu's tip covers it for a moment only.
    QStatusTipEvent tip("Solve for every solution");
    QCoreApplication::sendEvent(f.frame.get(), &tip);
    EXPECT_EQ(f.frame->StatusText(0), "Solve for every solution");
    QStatusTipEvent gone("");
    QCoreApplication::sendEvent(f.frame.get(), &gone);
    EXPECT_EQ(f.frame->StatusText(0), status);
    const auto* note = f.Results().findChild<QLabel*>("resultsNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_NE(note->text().toStdString().find(remedy), std::string::npos) << note->text().toStdString();

    ASSERT_TRUE(f.frame->OnCommand(CommandId::FirstSolution));
    ASSERT_TRUE(f.WaitUntilSolved());
    EXPECT_EQ(f.frame->StatusText(0).rfind("Finished: 1 solution in ", 0), 0u) << f.frame->StatusText(0);
    EXPECT_FALSE(note->isVisible());
}

TEST(FrameSolve, CopyPutsTheSelectedBlockOnTheClipboard) {
    QueensFixture f;
    ASSERT_TRUE(f.frame->OpenDocument(f.path));
    f.frame->OnCommand(CommandId::ViewGrid);
    f.frame->OnCommand(CommandId::AllSolutions);
    ASSERT_TRUE(f.WaitUntilSolved());
    QTableView* table = f.Results().Table();
    const QAbstractItemModel* grid = table->model();

    // Rows q[1]..q[2], solutions 3 and 4, selected as a user drags over them.
    table->setCurrentIndex(grid->index(1, 2));
    table->selectionModel()->select(QItemSelection(grid->index(1, 2), grid->index(2, 3)),
                                    QItemSelectionModel::ClearAndSelect);
    ASSERT_TRUE(f.frame->OnCommand(CommandId::EditCopy));
    std::string expected = "\tSolution 3\tSolution 4\r\n";
    {
        const auto lock = f.doc->LockSolutions();
        const CSolutionArray& store = f.doc->GetSolutions();
        for (int r = 1; r <= 2; ++r)
            expected += store[r]->GetID() + "\t" + store[r]->GetValues()[2] + "\t" +
                        store[r]->GetValues()[3] + "\r\n";
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), expected);

    // One cell: the whole body, 8 rows of 92 values under the heading line.
    table->selectionModel()->select(grid->index(4, 4), QItemSelectionModel::ClearAndSelect);
    ASSERT_TRUE(f.frame->OnCommand(CommandId::EditCopy));
    const std::vector<std::string> lines = SplitLines(QGuiApplication::clipboard()->text().toStdString());
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0].substr(0, 12), "\tSolution 1\t");
    for (const std::string& line : lines)
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 92);

    // In list mode Copy is greyed and does nothing.
    f.frame->OnCommand(CommandId::ViewNormal);
    EXPECT_FALSE(f.frame->OnCommand(CommandId::EditCopy));
}

TEST(FrameSolve, ResultsPrintToPdfPages) {
    QueensFixture f;
    ASSERT_TRUE(f.frame->OpenDocument(f.path));
    f.frame->OnCommand(CommandId::AllSolutions);
    ASSERT_TRUE(f.WaitUntilSolved());
    f.frame->UpdateCommandStates();
    EXPECT_TRUE(f.frame->Action(CommandId::FilePrint)->isEnabled());

    const std::filesystem::path pdf = f.folder / "results.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    const int pages = f.Results().PrintTo(printer);
    ASSERT_GT(pages, 0);
    EXPECT_EQ(pages, f.Results().PageCount(printer));
    ASSERT_TRUE(std::filesystem::exists(pdf));

    if (QStandardPaths::findExecutable("pdfinfo").isEmpty() ||
        QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils are not installed";
    const std::string info = RunTool("pdfinfo", {QString::fromStdString(pdf.string())});
    EXPECT_NE(info.find("Pages:"), std::string::npos);
    std::istringstream in(info.substr(info.find("Pages:") + 6));
    int counted = 0;
    in >> counted;
    EXPECT_EQ(counted, pages);
    const std::string text = RunTool("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"});
    for (const char* expected :
         {"Variable", "Sol:1", "Sol:92", "q[7]", "Page:1", "queens.tav", "Using complete search"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
}
