// The transportation and assignment dialogs and the three commands that build their problems.
#include "WizardScript.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/dialogs/transport/LPDrivers.hpp"

#include "language/RawParser.hpp"

#include "RecordingMessages.hpp"
#include "TempFolder.hpp"

#include <gtest/gtest.h>

using namespace TavLanguage;
using namespace TavDialogs;
using TavWorkbench::CTavDoc;

namespace {

void Fill(BothQuantDlgModel& dialog, const std::vector<std::string>& supplies,
          const std::vector<std::string>& demands) {
    for (std::size_t i = 0; i < supplies.size(); ++i)
        dialog.Rows(BothQuantDlgModel::Grid::Sources)[i].quantity = supplies[i];
    for (std::size_t i = 0; i < demands.size(); ++i)
        dialog.Rows(BothQuantDlgModel::Grid::Destinations)[i].quantity = demands[i];
}

std::vector<std::string> Labels(const BothQuantDlgModel& dialog, BothQuantDlgModel::Grid grid) {
    std::vector<std::string> labels;
    for (const auto& row : dialog.Rows(grid))
        labels.push_back(row.label + "=" + row.quantity);
    return labels;
}

TEST(Quantities, AutomaticAddsADummyThatBalancesTheTotals) {
    WizardScript host;
    BothQuantDlgModel dialog(2, 2);
    Fill(dialog, {"10", "20"}, {"15", "10"});
    std::pair<double, double> totals;
    host.onWarning = [&](WarningDlgModel& m) {
        totals = {m.SourcesTotal(), m.DestinationsTotal()};
        return DialogEnd::Cancel;
    };
    EXPECT_FALSE(dialog.OnOK(host));
    EXPECT_EQ(totals, std::make_pair(30.0, 25.0));
    EXPECT_EQ(Labels(dialog, BothQuantDlgModel::Grid::Destinations),
              (std::vector<std::string>{"D[1]=15", "D[2]=10", "Dummy=5"}));
    EXPECT_TRUE(dialog.DummyDestinationAdded());
    EXPECT_TRUE(dialog.RemoveDummyEnabled());
    ASSERT_TRUE(dialog.OnOK(host));
    EXPECT_EQ(dialog.GetDemands(), (std::vector<double>{15, 10, 5}));
    EXPECT_EQ(dialog.GetSupplies(), (std::vector<double>{10, 20}));
}

TEST(Quantities, ChangeGoesBackToTheFirstSource) {
    WizardScript host;
    BothQuantDlgModel dialog(2, 1);
    Fill(dialog, {"1", "2"}, {"5"});
    dialog.OpenEditor(BothQuantDlgModel::Grid::Destinations, 1);
    host.onWarning = [](WarningDlgModel&) { return DialogEnd::Ok; };
    EXPECT_FALSE(dialog.OnOK(host));
    EXPECT_EQ(dialog.ActiveGrid(), BothQuantDlgModel::Grid::Sources);
    EXPECT_EQ(dialog.EditorRow(), 1);
    EXPECT_FALSE(dialog.DummySourceAdded());
}

TEST(Quantities, AFractionalDifferenceAndTheSecondImbalance) {
    WizardScript host;
    BothQuantDlgModel dialog(1, 1);
    Fill(dialog, {"10"}, {"12.5"});
    host.onWarning = [](WarningDlgModel&) { return DialogEnd::Cancel; };
    EXPECT_FALSE(dialog.OnOK(host));
    EXPECT_EQ(Labels(dialog, BothQuantDlgModel::Grid::Sources),
              (std::vector<std::string>{"S[1]=10", "Dummy=2.500000"}));
    dialog.Rows(BothQuantDlgModel::Grid::Sources)[0].quantity = "11";
    EXPECT_FALSE(dialog.OnOK(host));
    EXPECT_EQ(
        host.messages.Last(),
        "Warehouses = 13.500 Customers = 12.500\r\nYou must Remove Dummy\r\nor Edit Quantities\r\nor Cancel");
    dialog.RemoveDummy();
    EXPECT_EQ(dialog.Rows(BothQuantDlgModel::Grid::Sources).size(), 1u);
    EXPECT_FALSE(dialog.RemoveDummyEnabled());
    EXPECT_FALSE(dialog.DummySourceAdded());
}

// Totals that differ only by rounding are equal.
TEST(Quantities, TotalsAreComparedWithATolerance) {
    WizardScript host;
    BothQuantDlgModel dialog(3, 1);
    Fill(dialog, {"0.1", "0.2", "0.4"}, {"0.7"});
    EXPECT_TRUE(dialog.OnOK(host));
    EXPECT_TRUE(host.order.empty());
}

TEST(Quantities, ABadCellIsReportedInItsOwnGrid) {
    WizardScript host;
    BothQuantDlgModel dialog(2, 3);
    Fill(dialog, {"1", "2"}, {"1", "x", "1"});
    EXPECT_FALSE(dialog.OnOK(host));
    EXPECT_EQ(host.messages.Last(), "Non-numeric Data in box 2");
    EXPECT_EQ(dialog.ActiveGrid(), BothQuantDlgModel::Grid::Destinations);
    EXPECT_EQ(dialog.EditorRow(), 2);
    dialog.MoveEditorDown();
    dialog.MoveEditorDown();
    EXPECT_EQ(dialog.EditorRow(), 1);
    dialog.MoveEditorUp();
    EXPECT_EQ(dialog.EditorRow(), 3);
}

TEST(Costs, LabelsDummiesAndEditorMoves) {
    CStringTable table(3, 3);
    CostsDlgModel t = CostsDlgModel::Transport(table, 3, 3, false, true);
    EXPECT_EQ(t.RowLabel(1), "Wh[1]");
    EXPECT_EQ(t.ColHeader(2), "Cu[2]");
    EXPECT_EQ(t.ColHeader(3), "Dummy");
    EXPECT_EQ(t.Cell(2, 3), "0");
    t.OpenEditor(1, 3);
    t.MoveEditorNext();
    EXPECT_EQ(std::make_pair(t.EditorRow(), t.EditorCol()), std::make_pair(2, 1));
    t.OpenEditor(3, 3);
    t.MoveEditorNext();
    EXPECT_EQ(std::make_pair(t.EditorRow(), t.EditorCol()), std::make_pair(1, 1));
    t.MoveEditorUp();
    EXPECT_EQ(t.EditorRow(), 1);

    CostsDlgModel a = CostsDlgModel::Assignment(table, 3, 3, 1, 0);
    EXPECT_EQ(a.Title(), "Enter the 'Costs' between Candidates and Posts");
    EXPECT_EQ(a.RowLabel(3), "Cand[3](Dummy)");
    EXPECT_EQ(a.ColHeader(1), "Post[1]");
    EXPECT_EQ(a.Cell(3, 2), "0");
    EXPECT_EQ(a.WidthFactor(0), 1.5);
}

// A bad cell is reported by its place in the grid and the editor reopens on it.
TEST(Costs, ABadCellIsReEditedWhereItIs) {
    WizardMessages messages;
    CStringTable table(2, 3);
    CostsDlgModel dialog = CostsDlgModel::Transport(table, 2, 3, false, false);
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 3; ++c)
            dialog.SetCell(r, c, std::to_string(r * c));
    dialog.SetCell(2, 3, "seven");
    EXPECT_FALSE(dialog.OnOK(messages));
    EXPECT_EQ(messages.Last(), "Non-numeric Data in box 6");
    EXPECT_EQ(std::make_pair(dialog.EditorRow(), dialog.EditorCol()), std::make_pair(2, 3));
    EXPECT_EQ(table.Cell(0, 0), "") << "nothing is stored before every cell is good";
    dialog.SetCell(2, 3, "7");
    ASSERT_TRUE(dialog.OnOK(messages));
    EXPECT_EQ(table.Cell(1, 2), "7");
}

TEST(Costs, ObjectiveText) {
    CStringTable table(2, 2);
    table.SetCell(0, 0, "4");
    table.SetCell(0, 1, "6");
    table.SetCell(1, 0, "5");
    table.SetCell(1, 1, "3");
    EXPECT_EQ(table.BuildObjectiveText("SD"),
              "Minimise(4 * SD[0][0] + 6 * SD[0][1] + 5 * SD[1][0] + 3 * SD[1][1] );");
    CStringTable wide(1, 12);
    for (int j = 0; j < 12; ++j)
        wide.SetCell(0, j, "1");
    EXPECT_NE(wide.BuildObjectiveText("SD").find("1 * SD[0][10] + 1 * SD[0][11] );"), std::string::npos);
}

TEST(TransportCounts, AssignmentAsksAboutUnequalCounts) {
    WizardScript host;
    TransNumDlgModel dialog(true);
    EXPECT_EQ(dialog.Title(), "Candidates and Posts");
    dialog.sourcesText = "3";
    dialog.destinationsText = "5";
    host.onWarning = [](WarningDlgModel& m) {
        EXPECT_EQ(m.SourcesLabel(), "Candidates");
        EXPECT_EQ(m.SourcesTotal(), 3.0);
        EXPECT_EQ(m.DestinationsTotal(), 5.0);
        return DialogEnd::Ok;
    };
    EXPECT_FALSE(dialog.OnOK(host));
    EXPECT_EQ(dialog.Focus(), TransNumDlgModel::Field::Sources);
    host.onWarning = [](WarningDlgModel&) { return DialogEnd::Cancel; };
    EXPECT_TRUE(dialog.OnOK(host));
    EXPECT_EQ(host.order.size(), 2u);
    dialog.destinationsText = "3";
    EXPECT_TRUE(dialog.OnOK(host));
    EXPECT_EQ(host.order.size(), 2u);
    dialog.sourcesText = "0";
    EXPECT_FALSE(dialog.OnOK(host));
    EXPECT_EQ(host.messages.Last(), "Please enter an integer not less than  1");
}

class Drivers : public ::testing::Test {
protected:
    Drivers() : doc(&messages, folder.Path()) { doc.OnNewDocument(); }

    std::string Text(const std::string& id) {
        return doc.GetConstraints()[doc.GetConstraints().FindConstraint(id)]->GetText();
    }
    void ExpectParses() {
        RawCSP raw;
        const ParserErr error = ParseCSPText(doc.GetProblemText(), nullptr, &raw);
        EXPECT_TRUE(error.IsOk()) << error.Message() << "\n" << doc.GetProblemText();
    }

    TempFolder folder;
    RecordingMessages messages;
    CTavDoc doc;
    WizardScript host;
};

TEST_F(Drivers, LPWithoutConstraints) {
    BuildLPProblem(doc, 3, {}, "Maximise(1*x[0] + 1*x[1] + 1*x[2] );");
    EXPECT_EQ(doc.GetVariables()[0]->GetModelText(), "RealVar x[3];");
    EXPECT_TRUE(doc.GetConstraints().IsEmpty());
    EXPECT_EQ(doc.GetOptimisation().at(0), "Maximise(1*x[0] + 1*x[1] + 1*x[2] );");
    EXPECT_EQ(doc.GetTitle(), "LP Problem");
    EXPECT_EQ(doc.GetDomains().GetSize(), 2);
}

TEST_F(Drivers, CancelAnywhereLeavesTheDocument) {
    doc.GetConstraints().Add(std::make_unique<TavWorkbench::CConstraint>("Mine", "1 = 1;"));
    host.onTransNum = [&](TransNumDlgModel& m) { return m.OnOK(host) ? DialogEnd::Ok : DialogEnd::Cancel; };
    host.onQuant = [&](BothQuantDlgModel& m) {
        Fill(m, {"1"}, {"1"});
        return m.OnOK(host) ? DialogEnd::Ok : DialogEnd::Cancel;
    };
    EXPECT_FALSE(RunTransProblem(doc, host));
    EXPECT_EQ(host.order, (std::vector<std::string>{"TransNum", "Quant", "Costs"}));
    EXPECT_EQ(doc.GetConstraints().GetSize(), 1);
    EXPECT_FALSE(RunLPProblem(doc, host));
    EXPECT_FALSE(RunAssignProblem(doc, host));
    EXPECT_EQ(doc.GetConstraints().GetSize(), 1);
}

TEST_F(Drivers, TransportBalancedByADummyDestination) {
    host.onTransNum = [&](TransNumDlgModel& m) {
        m.sourcesText = "2";
        m.destinationsText = "2";
        return m.OnOK(host) ? DialogEnd::Ok : DialogEnd::Cancel;
    };
    host.onWarning = [](WarningDlgModel&) { return DialogEnd::Cancel; };
    host.onQuant = [&](BothQuantDlgModel& m) {
        Fill(m, {"10", "20"}, {"15", "10"});
        while (!m.OnOK(host))
            ;
        return DialogEnd::Ok;
    };
    host.onCosts = [&](CostsDlgModel& m) {
        EXPECT_EQ(m.ColHeader(3), "Dummy");
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 2; ++c)
                m.SetCell(r, c, std::to_string(r + c));
        return OkWith(m, host.messages);
    };
    ASSERT_TRUE(RunTransProblem(doc, host));
    EXPECT_EQ(doc.GetVariables()[0]->GetModelText(), "RealVar SD[2][3];");
    EXPECT_EQ(Text("SourceCon"), "1 * SD[0][0]  + 1 * SD[0][1]  + 1 * SD[0][2] = 10;\r\n"
                                 "1 * SD[1][0]  + 1 * SD[1][1]  + 1 * SD[1][2] = 20;\r\n");
    EXPECT_EQ(Text("DestCon").substr(Text("DestCon").rfind("1 * SD[0][2]")),
              "1 * SD[0][2]  + 1 * SD[1][2] = 5;\r\n");
    EXPECT_EQ(doc.GetOptimisation().at(0), "Minimise(2 * SD[0][0] + 3 * SD[0][1] + 0 * SD[0][2] + 3 * "
                                           "SD[1][0] + 4 * SD[1][1] + 0 * SD[1][2] );");
    EXPECT_EQ(doc.GetTitle(), "Trans Problem");
    ExpectParses();
}

TEST_F(Drivers, AssignmentIsSquaredWithDummies) {
    const auto run = [&](int candidates, int posts) {
        host.onTransNum = [&, candidates, posts](TransNumDlgModel& m) {
            m.sourcesText = std::to_string(candidates);
            m.destinationsText = std::to_string(posts);
            return m.OnOK(host) ? DialogEnd::Ok : DialogEnd::Cancel;
        };
        host.onWarning = [](WarningDlgModel&) { return DialogEnd::Cancel; };
        host.onCosts = [&](CostsDlgModel& m) {
            for (int r = 1; r <= m.Rows(); ++r)
                for (int c = 1; c <= m.Cols(); ++c)
                    if (m.Cell(r, c).empty()) m.SetCell(r, c, "1");
            return OkWith(m, host.messages);
        };
        return RunAssignProblem(doc, host);
    };
    ASSERT_TRUE(run(2, 2));
    EXPECT_EQ(Text("CandCon"), "1 * CP[0][0]  + 1 * CP[0][1] = 1;\r\n1 * CP[1][0]  + 1 * CP[1][1] = 1;\r\n");
    EXPECT_EQ(Text("PostCon"), "1 * CP[0][0]  + 1 * CP[1][0] = 1;\r\n1 * CP[0][1]  + 1 * CP[1][1] = 1;\r\n");
    EXPECT_EQ(doc.GetTitle(), "Assign Problem");
    ExpectParses();
    ASSERT_TRUE(run(3, 2));
    EXPECT_EQ(doc.GetVariables()[0]->GetModelText(), "RealVar CP[3][3];");
    EXPECT_NE(doc.GetOptimisation().at(0).find(" + 0 * CP[0][2]"), std::string::npos);
}

} // namespace
