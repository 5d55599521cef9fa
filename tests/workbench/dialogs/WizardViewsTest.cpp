// The template, wizard, linear-programming, printing and import views, offscreen: each command
// is driven with QTest from an empty document, and what it leaves in the document is solved and
// checked against an independent oracle.
#include "DialogTestSupport.hpp"
#include "LPOracle.hpp"
#include "ViewScript.hpp"

#include "../TempFolder.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/HeadlessSolveDriver.hpp"
#include "workbench/dialogs/import/GetExcelDataDlgModel.hpp"
#include "workbench/dialogs/printing/ModelListing.hpp"
#include "workbench/dialogs/templates/ProblemTemplates.hpp"
#include "workbench/dialogs/templates/UseTemplateCommand.hpp"
#include "workbench/dialogs/transport/LPDrivers.hpp"
#include "workbench/dialogs/widgets/CGetExcelDataDlg.hpp"
#include "workbench/dialogs/widgets/CTavWizard.hpp"
#include "workbench/dialogs/widgets/ModelPrinter.hpp"
#include "workbench/dialogs/widgets/NumberGrid.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"
#include "workbench/dialogs/wizard/TavWizardModel.hpp"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>

using namespace TavDialogs;

namespace {

// Types `text` into the grid's cell editor where it stands.
void TypeCell(NumberGrid* grid, const QString& text) {
    ASSERT_NE(grid, nullptr);
    CGridEdit* editor = grid->Editor();
    ASSERT_TRUE(editor->isVisible());
    editor->selectAll();
    QTest::keyClicks(editor, text);
}

// Fills a one-column grid from its first row down, moving with the Down arrow.
void FillColumn(NumberGrid* grid, const QStringList& values) {
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0) QTest::keyClick(grid->Editor(), Qt::Key_Down);
        TypeCell(grid, values[i]);
    }
}

double Value(const TavWorkbench::CTavDoc& doc, const std::string& id) {
    const std::string text = doc.GetSolutions().GetValue(id, 0);
    EXPECT_FALSE(text.empty()) << "no value for " << id;
    return text.empty() ? 0.0 : std::stod(text);
}

class WizardViews : public ::testing::Test {
protected:
    WizardViews() {
        doc.OnNewDocument();
        script.Watch(wizardHost);
    }

    // Solves the document for one solution.
    void Solve() {
        TavWorkbench::HeadlessSolveDriver driver(doc);
        const auto outcome = driver.Run(1);
        ASSERT_TRUE(outcome.started) << doc.GetLastParseError() << "\n" << doc.GetProblemText();
        ASSERT_EQ(outcome.found, 1);
    }
    // glpsol's optimum where it is installed (it must then answer), else nothing.
    std::optional<double> Glpsol(const LinearProgramme& lp) {
        if (std::system("command -v glpsol >/dev/null 2>&1") != 0) return std::nullopt;
        const auto glpk = GlpsolOptimum(lp, folder.Path().string());
        EXPECT_TRUE(glpk.has_value()) << "glpsol gave no optimum";
        return glpk;
    }
    // The optimum by vertices, checked against glpsol where it is installed.
    double Optimum(const LinearProgramme& lp) {
        const auto vertices = VertexOptimum(lp);
        EXPECT_TRUE(vertices.has_value());
        if (const auto glpk = Glpsol(lp); glpk && vertices) {
            EXPECT_NEAR(*glpk, *vertices, 1e-6);
        }
        return vertices.value_or(0.0);
    }

    TempFolder folder;
    RecordingDialogMessages messages;
    TavWorkbench::CTavDoc doc{&messages, folder.Path()};
    QtDialogHost host{messages};
    QtWizardHost wizardHost{messages, host};
    ViewScript script{host};
};

TEST_F(WizardViews, LinearProgrammeOfThreeVariables) {
    const LinearProgramme lp{
        true,
        {3, 2, 4},
        {{{1, 1, 2}, "<=", 4}, {{2, 0, 1}, "<=", 5}, {{3, -1, 1}, "<=", 6}, {{1, 1, 1}, ">=", 1}}};
    script.Then("CLPStartDlg", [](QDialog& view) {
        Type(view, "variables", "3");
        Click(view, "ok");
    });
    script.Then("CLPWizDLG", [&](QDialog& view) {
        EXPECT_FALSE(Find<QPushButton>(view, "ok")->isEnabled());
        for (int k = 0; k < 4; ++k)
            Click(view, "new");
        Click(view, "setOptimisation");
        EXPECT_EQ(Find<QLineEdit>(view, "objective")->text(), "Maximise(3x[0] + 2x[1] + 4x[2] )");
        Click(view, "ok");
    });
    for (const auto& row : lp.rows)
        script.Then("CLPConsDlg", [row](QDialog& view) {
            QStringList cells;
            for (double a : row.a)
                cells << QString::number(a);
            FillColumn(view.findChild<NumberGrid*>("grid"), cells);
            // Enter moves the editor on and does not close the dialog.
            QTest::keyClick(view.findChild<NumberGrid*>("grid")->Editor(), Qt::Key_Return);
            EXPECT_TRUE(view.isVisible());
            Find<QComboBox>(view, "operator")->setCurrentText(QString::fromStdString(row.op));
            Type(view, "rhs", QString::number(row.b));
            Click(view, "ok");
        });
    script.Then("COptimDlg", [](QDialog& view) {
        auto* grid = view.findChild<NumberGrid*>("grid");
        TypeCell(grid, "3");
        QTest::keyClick(grid->Editor(), Qt::Key_Return);
        TypeCell(grid, "2");
        QTest::keyClick(grid->Editor(), Qt::Key_Tab);
        TypeCell(grid, "4");
        Click(view, "ok");
        EXPECT_TRUE(view.isVisible()) << "no direction chosen yet";
        Tick(view, "maximize");
        Click(view, "ok");
    });
    ASSERT_TRUE(RunLPProblem(doc, wizardHost));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Please select an Optimize Option"});
    EXPECT_EQ(doc.GetConstraints().GetSize(), 4);
    EXPECT_EQ(doc.GetConstraints()[2]->GetText(), "3*x[0] - 1*x[1] + 1*x[2]  <= 6;");
    Solve();
    const std::vector<double> x = {Value(doc, "x[0]"), Value(doc, "x[1]"), Value(doc, "x[2]")};
    EXPECT_TRUE(lp.Feasible(x));
    EXPECT_NEAR(lp.Objective(x), Optimum(lp), 1e-6);
}

TEST_F(WizardViews, TransportationOfThreeSourcesAndFourDestinations) {
    const std::vector<double> supply = {20, 30, 25};
    const std::vector<double> demand = {10, 25, 15, 25};
    const std::vector<std::vector<double>> cost = {{8, 6, 10, 9}, {9, 12, 13, 7}, {14, 9, 16, 5}};
    script.Then("CTransNumDlg", [](QDialog& view) {
        Type(view, "sources", "3");
        Type(view, "destinations", "4");
        Click(view, "ok");
    });
    script.Then("CBothQuantDlg", [](QDialog& view) {
        FillColumn(view.findChild<NumberGrid*>("sources"), {"20", "30", "25"});
        auto* destinations = view.findChild<NumberGrid*>("destinations");
        QTest::mouseClick(destinations->viewport(), Qt::LeftButton, {}, destinations->CellCentre(1, 1));
        FillColumn(destinations, {"10", "25", "15", "25"});
        Click(view, "ok");
    });
    script.Then("CCostsDlg", [&](QDialog& view) {
        auto* grid = view.findChild<NumberGrid*>("grid");
        EXPECT_EQ(grid->Heading(0, 4), "Cu[4]");
        EXPECT_EQ(grid->Heading(3, 0), "Wh[3]");
        for (std::size_t i = 0; i < cost.size(); ++i)
            for (std::size_t j = 0; j < cost[i].size(); ++j) {
                if (i + j > 0) QTest::keyClick(grid->Editor(), Qt::Key_Tab);
                TypeCell(grid, QString::number(cost[i][j]));
            }
        Click(view, "ok");
    });
    ASSERT_TRUE(RunTransProblem(doc, wizardHost));
    EXPECT_EQ(doc.GetVariables()[0]->GetModelText(), "RealVar SD[3][4];");
    Solve();

    LinearProgramme lp{false, {}, {}};
    std::vector<double> x;
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 4; ++j) {
            lp.c.push_back(cost[i][j]);
            x.push_back(Value(doc, "SD[" + std::to_string(i) + "][" + std::to_string(j) + "]"));
        }
    for (std::size_t i = 0; i < 3; ++i) {
        std::vector<double> a(12, 0.0);
        for (std::size_t j = 0; j < 4; ++j)
            a[i * 4 + j] = 1;
        lp.rows.push_back({a, "=", supply[i]});
    }
    for (std::size_t j = 0; j < 4; ++j) {
        std::vector<double> a(12, 0.0);
        for (std::size_t i = 0; i < 3; ++i)
            a[i * 4 + j] = 1;
        lp.rows.push_back({a, "=", demand[j]});
    }
    EXPECT_TRUE(lp.Feasible(x));
    EXPECT_NEAR(lp.Objective(x), Optimum(lp), 1e-6);
}

// Typing goes to the cell that shows the editor: S[1] when the quantities dialog opens, then the
// cell the user clicks.
TEST_F(WizardViews, TypingGoesToTheCellThatShowsTheEditor) {
    script.Then("CTransNumDlg", [](QDialog& view) {
        Type(view, "sources", "2");
        Type(view, "destinations", "2");
        Click(view, "ok");
    });
    script.Then("CBothQuantDlg", [](QDialog& view) {
        auto* sources = view.findChild<NumberGrid*>("sources");
        auto* destinations = view.findChild<NumberGrid*>("destinations");
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
        ASSERT_TRUE(sources->Editor()->isVisible());
        EXPECT_FALSE(destinations->Editor()->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), sources->Editor());
        QTest::keyClicks(QApplication::focusWidget(), "10");
        EXPECT_EQ(sources->CellText(1, 1), "10");
        EXPECT_EQ(destinations->CellText(1, 1), "");
        QTest::mouseClick(destinations->viewport(), Qt::LeftButton, {}, destinations->CellCentre(2, 1));
        EXPECT_FALSE(sources->Editor()->isVisible()) << "one editor shows at a time";
        EXPECT_EQ(QApplication::focusWidget(), destinations->Editor());
        QTest::keyClicks(QApplication::focusWidget(), "7");
        EXPECT_EQ(destinations->CellText(2, 1), "7");
        Click(view, "cancel");
    });
    EXPECT_FALSE(RunTransProblem(doc, wizardHost));
}

TEST_F(WizardViews, AssignmentOfFourCandidatesToFourPosts) {
    const std::vector<std::vector<double>> cost = {{9, 2, 7, 8}, {6, 4, 3, 7}, {5, 8, 1, 8}, {7, 6, 9, 4}};
    script.Then("CTransNumDlg", [](QDialog& view) {
        EXPECT_EQ(view.windowTitle(), "Candidates and Posts");
        Type(view, "sources", "4");
        Type(view, "destinations", "4");
        Click(view, "ok");
    });
    script.Then("CCostsDlg", [&](QDialog& view) {
        auto* grid = view.findChild<NumberGrid*>("grid");
        for (std::size_t i = 0; i < 4; ++i)
            for (std::size_t j = 0; j < 4; ++j) {
                if (i + j > 0) QTest::keyClick(grid->Editor(), Qt::Key_Tab);
                TypeCell(grid, QString::number(cost[i][j]));
            }
        // A bad cell is reported and re-edited where it is.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellCentre(3, 2));
        TypeCell(grid, "-");
        Click(view, "ok");
        EXPECT_TRUE(view.isVisible());
        EXPECT_EQ(grid->EditorRow(), 3);
        EXPECT_EQ(grid->EditorCol(), 2);
        TypeCell(grid, "8");
        Click(view, "ok");
    });
    ASSERT_TRUE(RunAssignProblem(doc, wizardHost));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Non-numeric Data in box 10"});
    Solve();

    // The best of the 24 permutations, and glpsol's optimum of the same programme where installed.
    std::vector<int> posts = {0, 1, 2, 3};
    double best = 1e300;
    do {
        double total = 0;
        for (int i = 0; i < 4; ++i)
            total += cost[i][posts[i]];
        best = std::min(best, total);
    } while (std::next_permutation(posts.begin(), posts.end()));
    LinearProgramme lp{false, {}, {}};
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = 0; j < 4; ++j)
            lp.c.push_back(cost[i][j]);
    for (std::size_t k = 0; k < 4; ++k) {
        std::vector<double> row(16, 0.0), column(16, 0.0);
        for (std::size_t m = 0; m < 4; ++m) {
            row[k * 4 + m] = 1;
            column[m * 4 + k] = 1;
        }
        lp.rows.push_back({row, "=", 1});
        lp.rows.push_back({column, "=", 1});
    }
    if (const auto glpk = Glpsol(lp)) {
        EXPECT_NEAR(*glpk, best, 1e-6);
    }
    double total = 0;
    for (int i = 0; i < 4; ++i) {
        double row = 0;
        for (int j = 0; j < 4; ++j) {
            const double v = Value(doc, "CP[" + std::to_string(i) + "][" + std::to_string(j) + "]");
            row += v;
            total += v * cost[i][j];
        }
        EXPECT_NEAR(row, 1.0, 1e-6);
    }
    EXPECT_NEAR(total, best, 1e-6);
}

TEST_F(WizardViews, QueensFromUseTemplateSolvesToNinetyTwo) {
    script.Then("CTemplateDlg", [](QDialog& view) {
        auto* list = Find<QListWidget>(view, "templates");
        list->setCurrentRow(-1);
        Click(view, "ok");
        EXPECT_TRUE(view.isVisible()) << "nothing selected";
        // The list takes the focus as a user tabs or clicks into it: its first entry becomes the
        // current one (Qt does not select it), shows its description and is what OK takes.
        list->selectionModel()->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::NoUpdate);
        EXPECT_TRUE(Find<QLabel>(view, "description")->text().startsWith("The classic CSP Problem"));
        Click(view, "ok");
    });
    script.Then("CQueenDlg", [](QDialog& view) {
        EXPECT_EQ(Find<QLineEdit>(view, "queens")->text(), "8");
        Click(view, "ok");
    });
    UseTemplateCommand command(doc, wizardHost);
    EXPECT_EQ(command.Run(), 1);
    doc.GetParameterBlock(0).SetParameter(2, 0);
    TavWorkbench::HeadlessSolveDriver driver(doc);
    EXPECT_EQ(driver.Run(-1).found, 92);
}

TEST_F(WizardViews, SalesmanFromUseTemplateGivesATourItsDistancesConfirm) {
    script.Then("CTemplateDlg", [](QDialog& view) {
        Find<QListWidget>(view, "templates")->setCurrentRow(1);
        Click(view, "ok");
    });
    script.Then("CGridDlg", [](QDialog& view) {
        auto* grid = view.findChild<NumberGrid*>("grid");
        EXPECT_EQ(grid->CellText(1, 2), "105");
        EXPECT_EQ(grid->EditorRow(), 2);
        EXPECT_EQ(grid->EditorCol(), 1);
        TypeCell(grid, "104");
        EXPECT_EQ(grid->CellText(1, 2), "104") << "the mirror cell follows";
        QTest::keyClicks(grid->Editor(), "x");
        EXPECT_EQ(grid->CellText(2, 1), "104") << "the editor takes numbers only";
        Click(view, "ok");
    });
    script.Then("CTSPOptionsDlg", [](QDialog& view) {
        EXPECT_EQ(Find<QLineEdit>(view, "routeLimit")->text(), "1880");
        Click(view, "ok");
    });
    UseTemplateCommand command(doc, wizardHost);
    ASSERT_EQ(command.Run(), 1);
    Solve();
    std::vector<int> city(10);
    for (int p = 0; p < 10; ++p)
        city[p] = static_cast<int>(Value(doc, "City[" + std::to_string(p) + "]"));
    int tour = 0;
    for (int p = 0; p < 10; ++p) {
        int d = 0;
        ASSERT_TRUE(doc.GetDistances().LookupDistance(city[p], city[(p + 1) % 10], d));
        EXPECT_EQ(Value(doc, "Dist[" + std::to_string(p) + "]"), d);
        tour += d;
    }
    EXPECT_LT(tour, 1880);
    EXPECT_EQ(city[0], 1);
}

// The problem wizard from an empty document: a domain, an array, a constraint, the refusal while
// the problem does not parse, the title, and the solve.
TEST_F(WizardViews, ProblemWizardBuildsAndSolvesASmallProblem) {
    TavWizardModel model(doc.GetKeyWords(), doc.GetAvailableConstraints(), host, messages);
    CTavWizard wizard(model);
    script.Then("CTavWizard", [&](QDialog& view) {
        EXPECT_FALSE(Find<QPushButton>(view, "back")->isVisible());
        Click(view, "next");
        Click(view, "newDomain");
        EXPECT_EQ(Find<QTreeWidget>(view, "domains")->topLevelItemCount(), 2);
        Click(view, "next");
        Click(view, "newVariable");
        Click(view, "next");
        Click(view, "newConstraint");
        EXPECT_EQ(Find<QListWidget>(view, "constraints")->count(), 1);
        // Without its variable the problem does not parse: Next stays.
        Click(view, "back");
        Find<QTreeWidget>(view, "variables")
            ->setCurrentItem(Find<QTreeWidget>(view, "variables")->topLevelItem(0));
        Click(view, "deleteVariable");
        Click(view, "next");
        Click(view, "next");
        EXPECT_EQ(Find<QLabel>(view, "caption")->text(), "Create and Edit Constraints");
        Click(view, "back");
        Click(view, "newVariable");
        Click(view, "next");
        Click(view, "next");
        EXPECT_TRUE(Find<QPushButton>(view, "finish")->isVisible());
        EXPECT_TRUE(Find<QPlainTextEdit>(view, "summary")->toPlainText().contains("Small\nVariables:\nx\n"));
        Type(view, "title", "");
        Click(view, "finish");
        EXPECT_TRUE(view.isVisible());
        Type(view, "title", "Three");
        Click(view, "finish");
    });
    const auto newDomain = [this] {
        script.Then("CTypeSelDlg", [](QDialog& view) {
            Find<QComboBox>(view, "dataType")->setCurrentIndex(0);
            Click(view, "ok");
        });
        script.Then("CNumDlg", [](QDialog& view) {
            Type(view, "id", "Small");
            Type(view, "min", "1");
            Type(view, "max", "3");
            Click(view, "ok");
        });
    };
    const auto newVariable = [this] {
        script.Then("CNewVarDlg", [](QDialog& view) {
            QTest::keyClicks(Find<QLineEdit>(view, "id"), "x");
            DoubleClickRow(view, "domains", "Small");
            Tick(view, "array");
            QTest::keyClicks(Find<QLineEdit>(view, "dimensions"), "3");
            Click(view, "ok");
        });
    };
    newDomain();
    newVariable();
    script.Then("CExpDlg", [](QDialog& view) {
        Type(view, "id", "Diff");
        auto* text = Find<QPlainTextEdit>(view, "text");
        text->setFocus();
        QTest::keyClicks(text, "AllDifferent(x);");
        Click(view, "ok");
    });
    newVariable();
    ASSERT_EQ(wizardHost.Exec(wizard), DialogEnd::Ok);
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"Delete Variable with ID  x",
                                        "Error - Please Check Constraints\nVariables \n and Domains",
                                        "Please Supply a Title"}));
    model.TakeOver(doc);
    EXPECT_EQ(doc.GetTitle(), "Three");
    doc.GetParameterBlock(0).SetParameter(2, 0);
    TavWorkbench::HeadlessSolveDriver driver(doc);
    EXPECT_EQ(driver.Run(-1).found, 6);
}

// The listing printed to a PDF holds every element of the model; the pages hold every line.
TEST_F(WizardViews, ModelListingPrintsToPDF) {
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext is not installed";
    const auto print = [&](const TavWorkbench::TavModel& model, const std::string& name, int* pages) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const std::string pdf = (folder.Path() / (name + ".pdf")).string();
        printer.setOutputFileName(QString::fromStdString(pdf));
        *pages = ModelPrinter::PrintListing(printer, ModelListing(model, "Printed"));
        const std::string txt = (folder.Path() / (name + ".txt")).string();
        EXPECT_EQ(std::system(("pdftotext -layout " + pdf + " " + txt).c_str()), 0);
        std::ifstream in(txt);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };

    // Every line of the listing (its text without the indenting tabs) is in the PDF's text.
    const auto expectEveryLine = [](const TavWorkbench::TavModel& model, const std::string& text) {
        for (const std::string& line : ModelListing(model, "Printed")) {
            const std::string shown = line.substr(std::min(line.find_first_not_of('\t'), line.size()));
            if (!shown.empty()) {
                EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
            }
        }
    };

    BuildQueensProblem(doc, 8);
    doc.GetDomains().AddEnumDomain("Colour", {"red", "green"});
    doc.GetDomains().AddSetDomain("Few", {1, 2, 5});
    doc.GetOptimisation().push_back("Minimise(Row[0]);");
    int pages = 0;
    const std::string text = print(doc.GetModel(), "queens", &pages);
    EXPECT_EQ(pages, 1);
    expectEveryLine(doc.GetModel(), text);
    for (const char* expected : {"Queens := 8;", "IntDom Column=[0,Queens-1];", "Colour", "Few",
                                 "IntVar Row[Queens]::Column;", "Row[i] - Row[j] <> j - i;", "Minimise(Row[0]);"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;

    TavWorkbench::TavModel empty;
    const std::string nothing = print(empty, "empty", &pages);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(std::count(nothing.begin(), nothing.end(), '\f'), 1);
    expectEveryLine(empty, nothing);

    // 500 constraints over several pages: every line once, none lost or repeated at a page's end.
    TavWorkbench::TavModel large;
    large.variables.AddVariable("v", TavWorkbench::CVariable::Type::IntVar, "D", 1, "", {500});
    for (int k = 0; k < 500; ++k)
        large.constraints.Add(std::make_unique<TavWorkbench::CConstraint>(
            "c" + std::to_string(k), "v[" + std::to_string(k) + "] <> " + std::to_string(k) + ";"));
    const std::string all = print(large, "large", &pages);
    EXPECT_GT(pages, 1);
    EXPECT_EQ(std::count(all.begin(), all.end(), '\f'), pages);
    for (int k = 0; k < 500; ++k) {
        const std::string line = "v[" + std::to_string(k) + "] <> " + std::to_string(k) + ";";
        const std::size_t at = all.find(line);
        EXPECT_NE(at, std::string::npos) << k;
        if (at != std::string::npos) {
            EXPECT_EQ(all.find(line, at + 1), std::string::npos) << k;
        }
    }
    expectEveryLine(large, all);
}

TEST_F(WizardViews, SpreadsheetImportFromClipboardAndFileGiveTheSameConstant) {
    const std::string csv = (folder.Path() / "block.csv").string();
    std::ofstream(csv) << "3,1,4,1\n5,9,2,6\n5,3,5,8\n";
    QApplication::clipboard()->setText("3\t1\t4\t1\n5\t9\t2\t6\n5\t3\t5\t8\n");
    std::vector<std::string> imported;
    for (bool fromFile : {false, true}) {
        GetExcelDataDlgModel model(doc.GetModel(), doc.GetKeyWords());
        CGetExcelDataDlg view(model, messages, host);
        view.SetFileChooser([&] { return QString::fromStdString(csv); });
        script.Then("CGetExcelDataDlg", [&](QDialog& dialog) {
            Click(dialog, fromFile ? "importFile" : "importClipboard");
            Type(dialog, "id", fromFile ? "FromFile" : "FromClipboard");
            Click(dialog, "ok");
        });
        ASSERT_EQ(wizardHost.Exec(view), DialogEnd::Ok);
        imported.push_back(model.GetConstant().GetValue());
    }
    EXPECT_EQ(imported[0], "[3,1,4,1],[5,9,2,6],[5,3,5,8]");
    EXPECT_EQ(imported[1], imported[0]);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
