// The template and grid dialogs, and Use Template chaining them.
#include "WizardScript.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/dialogs/templates/GridEditFilter.hpp"
#include "workbench/dialogs/templates/GridTotalDlgModel.hpp"
#include "workbench/dialogs/templates/ProblemTemplates.hpp"
#include "workbench/dialogs/templates/UseTemplateCommand.hpp"

#include "RecordingMessages.hpp"
#include "TempFolder.hpp"

#include <gtest/gtest.h>

using namespace TavDialogs;
using TavWorkbench::CTavDoc;

namespace {

constexpr const char* kMin1 = "Please enter an integer not less than  1";

TEST(TemplateDialogs, QueensBounds) {
    const struct {
        const char* text;
        bool accepted;
        const char* message;
    } cases[] = {
        {"4", true, ""},
        {"30", true, ""},
        {"3", false, "There is no solution with\n less than 4 Queens"},
        {"31", false, "Too many Queens"},
        {"0", false, kMin1},
        {"x", false, "Please enter a positive integer."},
    };
    for (const auto& c : cases) {
        WizardMessages messages;
        QueenDlgModel dialog;
        EXPECT_EQ(dialog.queensText, "8");
        dialog.queensText = c.text;
        EXPECT_EQ(dialog.OnOK(messages), c.accepted) << c.text;
        EXPECT_EQ(messages.Last(), c.message) << c.text;
        if (c.accepted) {
            EXPECT_EQ(dialog.GetQueens(), std::stoi(c.text));
        }
    }
}

TEST(TemplateDialogs, JourneyOptionsRefuseStartCitiesOutsideTheCitiesTickedOrNot) {
    for (bool ticked : {true, false})
        for (const char* start : {"0", "11"}) {
            WizardMessages messages;
            TSPOptionsDlgModel dialog(1881, ticked, 1, 10);
            dialog.startCityText = start;
            EXPECT_FALSE(dialog.OnOK(messages));
            EXPECT_EQ(messages.Last(), "Please enter an integer between 1 and 10.");
            EXPECT_EQ(dialog.Focus(), TSPOptionsDlgModel::Field::StartCity);
        }
    WizardMessages messages;
    TSPOptionsDlgModel dialog(1881, true, 1, 10);
    dialog.routeLimitText = "0";
    EXPECT_FALSE(dialog.OnOK(messages));
    EXPECT_EQ(messages.Last(), kMin1);
    EXPECT_EQ(dialog.Focus(), TSPOptionsDlgModel::Field::RouteLimit);
    dialog.routeLimitText = "1500";
    dialog.specifyStartCity = false;
    dialog.startCityText = "10";
    EXPECT_FALSE(dialog.StartCityEnabled());
    ASSERT_TRUE(dialog.OnOK(messages));
    EXPECT_EQ(dialog.GetOptions().routeLimit, 1500);
    EXPECT_FALSE(dialog.GetOptions().specifyStartCity);
}

TEST(TemplateDialogs, ScheduleDetailsReadInOrder) {
    WizardMessages messages;
    ShedDlgModel dialog;
    dialog.daysText = "7";
    dialog.slotsText = "0";
    dialog.staffText = "0";
    EXPECT_FALSE(dialog.OnOK(messages));
    EXPECT_EQ(messages.Last(), kMin1);
    EXPECT_EQ(dialog.Focus(), ShedDlgModel::Field::Slots);
    dialog.slotsText = "3";
    dialog.staffText = "5";
    dialog.minFreeText = "2";
    dialog.demandText = "0";
    EXPECT_FALSE(dialog.OnOK(messages));
    EXPECT_EQ(dialog.Focus(), ShedDlgModel::Field::Demand);
    dialog.demandText = "2";
    ASSERT_TRUE(dialog.OnOK(messages));
    const CSchedule& s = dialog.GetSchedule();
    EXPECT_EQ(std::vector<int>({s.staff, s.shifts, s.days, s.minFreeDays, s.defaultDemand}),
              std::vector<int>({5, 3, 7, 2, 2}));
}

TEST(TemplateDialogs, TemplateListNeedsASelection) {
    WizardMessages messages;
    TemplateDlgModel dialog;
    EXPECT_FALSE(dialog.OnOK(messages));
    EXPECT_EQ(messages.Last(), "Nothing Selected");
    dialog.selected = TemplateDlgModel::kBins;
    EXPECT_TRUE(dialog.OnOK(messages));
    EXPECT_EQ(dialog.GetChoice(), 4);
    EXPECT_EQ(TemplateDlgModel::Names().at(3), "Schedule Nurses (uses Sets)");
    EXPECT_EQ(TemplateDlgModel::Description(2), "Timetables nurses shift patterns.");
}

TEST(TemplateDialogs, RowTotalRange) {
    WizardMessages messages;
    GridTotalDlgModel dialog(1, 5);
    dialog.fromText = "2";
    dialog.toText = "6";
    EXPECT_FALSE(dialog.OnOK(messages));
    EXPECT_EQ(messages.Last(), "Please enter an integer between 1 and 5.");
    EXPECT_EQ(dialog.Focus(), GridTotalDlgModel::Field::ToRow);
    dialog.toText = "5";
    ASSERT_TRUE(dialog.OnOK(messages));
    EXPECT_EQ(dialog.GetFrom(), 2);
    EXPECT_EQ(dialog.GetTo(), 5);
}

TEST(TemplateDialogs, CellEditorLetsNumbersThrough) {
    std::string text;
    for (char c : std::string("-1.5")) {
        ASSERT_TRUE(GridEditAccepts(text, static_cast<int>(text.size()), c)) << c;
        text.push_back(c);
    }
    EXPECT_FALSE(GridEditAccepts("-1.5", 4, '.'));
    EXPECT_FALSE(GridEditAccepts("1", 1, '-'));
    EXPECT_FALSE(GridEditAccepts("-1", 0, '2'));
    EXPECT_FALSE(GridEditAccepts("1", 1, 'a'));
    EXPECT_TRUE(GridEditAccepts("1", 0, '-'));
    EXPECT_TRUE(GridEditAccepts("-1", 2, '\b'));
}

TEST(GridDialog, DistancesMirrorAndAreStoredOncePerPair) {
    TavWorkbench::GridMap map;
    map.LoadDefaultDistances();
    GridDlgModel grid = GridDlgModel::City(map);
    EXPECT_EQ(grid.Rows(), 11);
    EXPECT_EQ(grid.Text(0, 1), "City 1");
    EXPECT_EQ(grid.Text(10, 0), "City 10");
    EXPECT_EQ(grid.Text(1, 2), "105");
    EXPECT_EQ(grid.Text(2, 1), "105");
    EXPECT_EQ(grid.Text(4, 4), "0");
    EXPECT_TRUE(grid.IsGrey(4, 4));
    EXPECT_EQ(grid.EditorRow(), 2);
    EXPECT_EQ(grid.EditorCol(), 1);
    grid.SetCell(2, 5, "12");
    EXPECT_EQ(grid.Text(5, 2), "12");
    TavWorkbench::GridMap stored;
    grid.Store(stored);
    EXPECT_EQ(stored.DistanceCount(), 45);
    int value = 0;
    EXPECT_TRUE(stored.LookupDistance(5, 2, value));
    EXPECT_EQ(value, 12);
}

TEST(GridDialog, DemandGridStoresEveryCell) {
    GridDlgModel grid = GridDlgModel::Demand(3, 7, 2);
    EXPECT_EQ(grid.Title(), "Demand For Staff");
    EXPECT_EQ(grid.Text(0, 1), "Day 0");
    EXPECT_EQ(grid.Text(3, 0), "Shift 3");
    EXPECT_EQ(grid.Text(3, 7), "2");
    grid.SetCell(3, 1, "9");
    EXPECT_EQ(grid.Text(1, 3), "2");
    TavWorkbench::GridMap map;
    grid.Store(map);
    int value = 0;
    ASSERT_TRUE(map.LookupDemand(3, 1, value));
    EXPECT_EQ(value, 9);
    ASSERT_TRUE(map.LookupDemand(1, 3, value));
    EXPECT_EQ(value, 2);
    EXPECT_EQ(GridDlgModel::CellValue("-3"), -3);
    EXPECT_EQ(GridDlgModel::CellValue(""), 0);
    EXPECT_EQ(GridDlgModel::CellValue("99999999999"), 2147483647);
}

class UseTemplate : public ::testing::Test {
protected:
    UseTemplate() : doc(&messages, folder.Path()) { doc.OnNewDocument(); }

    int Run() {
        UseTemplateCommand command(doc, host, [this] { ++generations; });
        return command.Run();
    }
    // The template list answers with the choices in order, then Cancel.
    void Choose(std::vector<int> choices) {
        host.onTemplate = [this, choices, next = std::size_t{0}](TemplateDlgModel& m) mutable {
            if (next >= choices.size()) return DialogEnd::Cancel;
            m.selected = choices[next++];
            return OkWith(m, host.messages);
        };
    }

    TempFolder folder;
    RecordingMessages messages;
    CTavDoc doc;
    WizardScript host;
    int generations = 0;
};

TEST_F(UseTemplate, QueensOkGeneratesOnce) {
    Choose({TemplateDlgModel::kQueens});
    host.onQueen = [&](QueenDlgModel& m) {
        m.queensText = "6";
        return OkWith(m, host.messages);
    };
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(generations, 1);
    EXPECT_EQ(doc.GetConstants()[0]->GetIntValue(), 6);
    EXPECT_EQ(host.order, (std::vector<std::string>{"Template", "Queen"}));
}

TEST_F(UseTemplate, BackGeneratesThenShowsTheListAgainAndCancelKeepsWhatWasGenerated) {
    Choose({TemplateDlgModel::kQueens, TemplateDlgModel::kBins});
    host.onQueen = [](QueenDlgModel& m) {
        m.queensText = "12";
        return DialogEnd::Back;
    };
    host.messages.answers = {false};
    EXPECT_EQ(Run(), 2);
    EXPECT_EQ(host.messages.asked, std::vector<std::string>{"Use Sets"});
    EXPECT_EQ(doc.GetVariables()[0]->GetID(), "Content1");

    Choose({TemplateDlgModel::kQueens});
    host.order.clear();
    EXPECT_EQ(Run(), 1);
    ASSERT_EQ(doc.GetConstants().GetSize(), 1);
    EXPECT_EQ(doc.GetConstants()[0]->GetIntValue(), 8) << "Back keeps the starting number";
    EXPECT_EQ(host.order, (std::vector<std::string>{"Template", "Queen", "Template"}));

    host.onQueen = [](QueenDlgModel&) { return DialogEnd::Cancel; };
    Choose({TemplateDlgModel::kQueens});
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(doc.GetConstants().GetSize(), 1);
}

// A grid the user edited and left with Back shows the same values when it opens again, and the
// generated problem uses them.
TEST_F(UseTemplate, GridsReopenAsTheyWereLeft) {
    Choose({TemplateDlgModel::kSalesman, TemplateDlgModel::kSalesman});
    std::vector<std::string> seen;
    int opened = 0;
    host.onGrid = [&](GridDlgModel& m) {
        seen.push_back(m.Text(1, 2));
        if (opened++ == 0) {
            m.SetCell(1, 2, "99");
            return DialogEnd::Back;
        }
        return DialogEnd::Ok;
    };
    host.onTSP = [&](TSPOptionsDlgModel& m) { return OkWith(m, host.messages); };
    EXPECT_EQ(Run(), 2);
    EXPECT_EQ(seen, (std::vector<std::string>{"105", "99"}));
    EXPECT_NE(
        doc.GetConstraints()[2]->GetText().find("(city[0] = 1) And (city[1] = 2) Implies (Dist[0] = 99);"),
        std::string::npos);

    // A later command shows the document's distances, not the built-in table again.
    Choose({TemplateDlgModel::kSalesman});
    seen.clear();
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(seen, std::vector<std::string>{"99"});

    Choose({TemplateDlgModel::kNurses, TemplateDlgModel::kNurses});
    host.onShed = [&](ShedDlgModel& m) {
        m.daysText = "3";
        m.slotsText = "2";
        m.staffText = "2";
        return OkWith(m, host.messages);
    };
    opened = 0;
    std::vector<std::string> demands;
    host.onGrid = [&](GridDlgModel& m) {
        demands.push_back(m.Text(2, 1));
        if (opened++ == 0) {
            m.SetCell(2, 1, "0");
            return DialogEnd::Back;
        }
        return DialogEnd::Ok;
    };
    EXPECT_EQ(Run(), 2);
    EXPECT_EQ(demands, (std::vector<std::string>{"1", "0"}));
    EXPECT_NE(doc.GetConstraints()[1]->GetText().find("[2])=0;"), std::string::npos);
}

TEST_F(UseTemplate, CancelledJourneyOptionsLeaveTheDocument) {
    BuildQueensProblem(doc, 5);
    Choose({TemplateDlgModel::kSalesman});
    host.onGrid = [](GridDlgModel&) { return DialogEnd::Ok; };
    host.onTSP = [](TSPOptionsDlgModel& m) {
        EXPECT_EQ(m.routeLimitText, "1881");
        return DialogEnd::Cancel;
    };
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(doc.GetTitle(), "Queens Problem");
}

} // namespace
