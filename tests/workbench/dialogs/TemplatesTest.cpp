// The five problem templates: what each generates, that it parses, and that the examples solve.
#include "WizardScript.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/HeadlessSolveDriver.hpp"
#include "workbench/dialogs/templates/ProblemTemplates.hpp"
#include "workbench/model/ProblemText.hpp"

#include "bridges/RawEvaluator.hpp"
#include "language/RawParser.hpp"
#include "language/raw/RawInt.hpp"

#include "RecordingMessages.hpp"
#include "TempFolder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace TavLanguage;
using namespace TavDialogs;
using TavWorkbench::CTavDoc;

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "a line without its line end in: " << text;
        if (end == std::string::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

const TavWorkbench::CConstraint& Constraint(const CTavDoc& doc, const std::string& id) {
    const int index = doc.GetConstraints().FindConstraint(id);
    EXPECT_GE(index, 0) << id;
    return *doc.GetConstraints()[std::max(index, 0)];
}

std::string ParseError(const CTavDoc& doc) {
    RawCSP raw;
    const ParserErr error = ParseCSPText(doc.GetProblemText(), nullptr, &raw);
    return error.IsOk() ? std::string() : error.Message();
}

class TemplatesTest : public ::testing::Test {
protected:
    TemplatesTest() : doc(&messages, folder.Path()) { doc.OnNewDocument(); }

    TempFolder folder;
    RecordingMessages messages;
    CTavDoc doc;
};

TEST_F(TemplatesTest, EveryTemplateGeneratesAProblemThatParses) {
    const CSchedule schedule(3, 2, 7, 2, 1);
    const std::vector<std::pair<std::string, std::function<void()>>> cases = {
        {"queens", [&] { BuildQueensProblem(doc, 8); }},
        {"salesman",
         [&] {
             BuildSalesmanProblem(doc, 10, {1881, true, 1});
         }},
        {"nurses", [&] { BuildNurseProblem(doc, schedule); }},
        {"nurse sets", [&] { BuildNurseSetProblem(doc, schedule); }},
        {"nurses of 4 days", [&] { BuildNurseProblem(doc, CSchedule(2, 3, 4, 1, 1)); }},
        {"bins", [&] { BuildBinProblem(doc); }},
        {"bin sets", [&] { BuildBinSetProblem(doc); }},
    };
    for (const auto& [name, build] : cases) {
        build();
        EXPECT_EQ(ParseError(doc), "") << name << "\n" << doc.GetProblemText();
        EXPECT_FALSE(doc.GetVariables().IsEmpty()) << name;
    }
}

TEST_F(TemplatesTest, QueensIsOneConstantDomainArrayAndConstraint) {
    doc.SetTitle("before");
    BuildQueensProblem(doc, 8);
    ASSERT_EQ(doc.GetConstants().GetSize(), 1);
    EXPECT_EQ(doc.GetConstants()[0]->GetModelText(), "Queens := 8;");
    ASSERT_EQ(doc.GetDomains().GetSize(), 1);
    EXPECT_EQ(TavWorkbench::DomainLine(*doc.GetDomains()[0]), "IntDom Column=[0,Queens-1];");
    ASSERT_EQ(doc.GetVariables().GetSize(), 1);
    EXPECT_EQ(doc.GetVariables()[0]->GetModelText(), "IntVar Row[Queens]::Column;");
    ASSERT_EQ(doc.GetConstraints().GetSize(), 1);
    const auto& straints = *doc.GetConstraints()[0];
    EXPECT_EQ(straints.GetID(), "Straints");
    EXPECT_EQ(SplitLines(straints.GetText()).size(), 6u);
    EXPECT_EQ(straints.GetText().find('8'), std::string::npos);
    EXPECT_EQ(straints.GetReferencedIDs(), std::vector<std::string>{"Row"});
    EXPECT_EQ(doc.GetTitle(), "Queens Problem");
}

TEST_F(TemplatesTest, EightQueensSolvesToNinetyTwoSolutions) {
    BuildQueensProblem(doc, 8);
    // Complete search without its thrashing check, which ends a search early by default.
    doc.GetParameterBlock(0).SetParameter(2, 0);
    TavWorkbench::HeadlessSolveDriver driver(doc);
    const auto outcome = driver.Run(-1);
    ASSERT_TRUE(outcome.started) << doc.GetLastParseError();
    EXPECT_EQ(outcome.found, 92);
}

TEST_F(TemplatesTest, SalesmanWithTheBuiltInDistances) {
    EXPECT_EQ(DefaultRouteLimit(doc.GetDistances(), 10), 1881);
    BuildSalesmanProblem(doc, 10, {1881, true, 1});
    EXPECT_EQ(Constraint(doc, "StartCity").GetText(), "City[0] = 1 ;");
    EXPECT_EQ(Constraint(doc, "Different").GetText(), "AllDifferent(City);");
    EXPECT_EQ(Constraint(doc, "Limits").GetText(), "sum(Dist) < 1881;");
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(SplitLines(Constraint(doc, "Distances" + std::to_string(k)).GetText()).size(), 90u) << k;
    const auto tenth = SplitLines(Constraint(doc, "Distances10").GetText());
    EXPECT_EQ(tenth.front(), "(city[9] = 1) And (city[0] = 2) Implies (Dist[9] = 105);");
    EXPECT_EQ(doc.GetTitle(), "Travelling SalesStaff");

    BuildSalesmanProblem(doc, 10, {1881, false, 1});
    EXPECT_LT(doc.GetConstraints().FindConstraint("StartCity"), 0);
}

// The tour the solver finds is checked by the evaluator against the parsed problem, and its cost
// against the distance table by this test's own reckoning.
TEST_F(TemplatesTest, SalesmanTourCostIsConfirmedByTheEvaluator) {
    const TavWorkbench::GridMap distances = doc.GetDistances();
    BuildSalesmanProblem(doc, 10, {1881, true, 1});
    TavWorkbench::HeadlessSolveDriver driver(doc);
    const auto outcome = driver.Run(1);
    ASSERT_TRUE(outcome.started) << doc.GetLastParseError();
    ASSERT_EQ(outcome.found, 1);
    const auto& store = doc.GetSolutions();
    std::vector<int> city(10), dist(10);
    RawSolution solution;
    for (int column = 0; column < store.GetSize(); ++column) {
        const auto& record = *store[column];
        const int value = std::stoi(record.GetValues().at(0));
        solution.AddLabel(RawLabel(record.GetID(), RPtr<RawExpr>(new RawInt(value))));
        std::string name = record.GetID();
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        for (int p = 0; p < 10; ++p) {
            if (name == "city[" + std::to_string(p) + "]") city[p] = value;
            if (name == "dist[" + std::to_string(p) + "]") dist[p] = value;
        }
    }
    RawCSP problem;
    ASSERT_TRUE(ParseCSPText(doc.GetProblemText(), nullptr, &problem).IsOk());
    const TavBridges::RawEvaluator evaluator(problem);
    const TavBridges::RawEvaluation evaluation = evaluator.Evaluate(solution);
    EXPECT_TRUE(evaluation.feasible) << (evaluation.faults.empty() ? "" : evaluation.faults.front());

    std::vector<int> sorted = city;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(city[0], 1);
    int tour = 0;
    for (int p = 0; p < 10; ++p) {
        int d = 0;
        ASSERT_TRUE(distances.LookupDistance(city[p], city[(p + 1) % 10], d));
        EXPECT_EQ(dist[p], d) << "step " << p;
        tour += d;
    }
    EXPECT_LT(tour, 1881);

    // A leg whose distance is not the table's is caught.
    RawSolution wrong;
    for (const RawLabel& label : solution.GetLabels()) {
        const bool firstLeg = label.GetName() == "dist[0]" || label.GetName() == "Dist[0]";
        wrong.AddLabel(firstLeg ? RawLabel(label.GetName(), RPtr<RawExpr>(new RawInt(dist[0] + 1))) : label);
    }
    EXPECT_FALSE(evaluator.Evaluate(wrong).feasible);
}

TEST_F(TemplatesTest, NurseScheduleTexts) {
    BuildNurseProblem(doc, CSchedule(3, 2, 7, 2, 1));
    EXPECT_EQ(doc.GetVariables().GetSize(), 3);
    const auto demand0 = SplitLines(Constraint(doc, "Demand0").GetText());
    ASSERT_EQ(demand0.size(), 2u);
    EXPECT_EQ(demand0[0], "Count([Staff1Span[0],Staff2Span[0],Staff3Span[0]],[1])=3;");
    EXPECT_EQ(SplitLines(Constraint(doc, "Restrictions").GetText())[1], "Count (Staff2Span, [0]) >= 2;");
    for (int s = 0; s < 3; ++s)
        EXPECT_EQ(SplitLines(Constraint(doc, "NextShift" + std::to_string(s)).GetText()).size(), 12u);
    EXPECT_EQ(SplitLines(Constraint(doc, "NextShift1").GetText())[1],
              "Staff2Span[0] = 3 implies Staff2Span[1] <> 1 and Staff2Span[1] <> 2;");
    EXPECT_EQ(doc.GetTitle(), "Scheduling");

    BuildNurseProblem(doc, CSchedule(1, 3, 4, 1, 1));
    EXPECT_EQ(Constraint(doc, "Nights").GetText(), "");
    EXPECT_EQ(Constraint(doc, "NightsDayOff").GetText(), "");
    EXPECT_LT(doc.GetConstraints().FindConstraint("NextShift1"), 0);

    BuildNurseProblem(doc, CSchedule(2, 3, 5, 1, 1));
    EXPECT_EQ(
        SplitLines(Constraint(doc, "Nights").GetText()),
        (std::vector<std::string>{
            "Count([Staff1Span[0],Staff1Span[1],Staff1Span[2],Staff1Span[3],Staff1Span[4]],[3]) <= 4;",
            "Count([Staff2Span[0],Staff2Span[1],Staff2Span[2],Staff2Span[3],Staff2Span[4]],[3]) <= 4;"}));
    EXPECT_EQ(SplitLines(Constraint(doc, "NightsDayOff").GetText())[0],
              "Count([Staff1Span[0],Staff1Span[1],Staff1Span[2],Staff1Span[3]],[3]) = 4 implies "
              "Staff1Span[4] = 0;");
}

// Every demand cell is kept under its own shift and day: shift 3 on day column 1 is not shift 1
// on day column 3.
TEST_F(TemplatesTest, DemandsOfEveryCellReachTheSchedule) {
    auto& map = doc.GetDistances();
    for (unsigned k = 1; k <= 3; ++k)
        for (unsigned d = 1; d <= 7; ++d)
            map.SetDemand(k, d, static_cast<int>(10 * k + d));
    BuildNurseProblem(doc, CSchedule(2, 3, 7, 1, 1));
    const auto demand0 = SplitLines(Constraint(doc, "Demand0").GetText());
    ASSERT_EQ(demand0.size(), 3u);
    EXPECT_EQ(demand0[2], "Count([Staff1Span[0],Staff2Span[0]],[3])=31;");
    EXPECT_EQ(SplitLines(Constraint(doc, "Demand4").GetText())[0],
              "Count([Staff1Span[4],Staff2Span[4]],[1])=15;");

    BuildNurseSetProblem(doc, CSchedule(2, 3, 7, 1, 1));
    const auto demands = SplitLines(Constraint(doc, "ShiftDemand").GetText());
    ASSERT_EQ(demands.size(), 21u);
    EXPECT_EQ(demands[14], "#Shift3[0] = 31 ;");
}

TEST_F(TemplatesTest, NurseSetTexts) {
    BuildNurseSetProblem(doc, CSchedule(4, 3, 7, 2, 1));
    const auto daysOff = SplitLines(Constraint(doc, "DaysOff").GetText());
    EXPECT_EQ(daysOff, (std::vector<std::string>{"ForAll(i = [1..4])", "{",
                                                 "Count(Shift1++Shift2++Shift3,[i]) <= 5;", "}"}));
    EXPECT_EQ(SplitLines(Constraint(doc, "ShiftDay").GetText())[0],
              "AllDisjoint([Shift1[0],Shift2[0],Shift3[0]]);");
    EXPECT_TRUE(Constraint(doc, "ShiftDay").GetReferencedIDs().empty());
}

TEST_F(TemplatesTest, BinsKeepTheTitleAndBinSetsSetIt) {
    doc.SetTitle("Mine");
    BuildBinProblem(doc);
    EXPECT_EQ(doc.GetTitle(), "Mine");
    EXPECT_EQ(SplitLines(Constraint(doc, "Capacity").GetText()).size(), 4u);
    BuildBinSetProblem(doc);
    EXPECT_EQ(doc.GetTitle(), "Scheduling");
    EXPECT_EQ(doc.GetDomains().GetSize(), 3);
    EXPECT_EQ(SplitLines(Constraint(doc, "NoMix").GetText()).size(), 7u);
}

} // namespace
