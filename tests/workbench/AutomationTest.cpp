// The 23 automation methods over a document: building a problem, solving it without events,
// reading the solutions, and the refusals with their messages.

#include "FakeSolver.hpp"
#include "RecordingMessages.hpp"
#include "TempFolder.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/TavAutomation.hpp"
#include "workbench/model/CIntDomain.hpp"

#include <gtest/gtest.h>

#include <thread>

using namespace TavLanguage;
using namespace TavBridges;
using namespace TavWorkbench;

namespace {

struct Fixture {
    TempFolder folder;
    RecordingMessages messages;
    CTavDoc doc{&messages, folder.Path()};
    TavAutomation automation{doc};
    Fixture() { doc.OnNewDocument(); }
};

std::string Text(const AutomationValue& value) {
    return std::get<std::string>(value);
}

// The client's way: poll until the solver says it has finished.
void WaitForServer(TavAutomation& automation) {
    while (!automation.ServerFinished())
        std::this_thread::yield();
}

} // namespace

TEST(Automation, BuildSolveAndReadQueens) {
    Fixture f;
    auto& a = f.automation;
    EXPECT_TRUE(a.AddLongConstant("N", 6));
    EXPECT_TRUE(a.AddLongDomainMinMax("Rows", 0, 5));
    EXPECT_TRUE(a.AddLongVariable("q", "rows", 6, true));
    EXPECT_TRUE(a.AddConstraint("diff", "AllDifferent(q);"));
    EXPECT_TRUE(a.AddConstraint("diag", "Forall(i in [0..N-1], j in [0..N-1], i < j) "
                                        "{ q[i] - q[j] <> j - i; q[j] - q[i] <> j - i; }"));
    EXPECT_TRUE(a.IsUsingGFCServer());
    EXPECT_EQ(a.GetLongDomain(2), "Rows");
    EXPECT_EQ(a.GetLongDomain(3), "");
    EXPECT_EQ(a.GetLongDomain(-1), "");
    EXPECT_FALSE(a.ServerFinished()) << "no solver yet";
    EXPECT_FALSE(a.HasGotSolution());

    ASSERT_TRUE(a.SolveIt(1));
    WaitForServer(a);
    EXPECT_TRUE(a.HasGotSolution());
    EXPECT_EQ(a.GetNumberOfVariables(), 6);
    std::vector<int> q;
    for (short i = 0; i < 6; ++i) {
        EXPECT_FALSE(a.GetSolutionVarName(i).empty());
        q.push_back(std::stoi(Text(a.GetSolution(a.GetSolutionVarName(i), 0))));
    }
    for (int i = 0; i < 6; ++i)
        for (int j = i + 1; j < 6; ++j)
            EXPECT_TRUE(q[i] != q[j] && q[i] - q[j] != j - i && q[j] - q[i] != j - i);
    EXPECT_EQ(a.GetSolutionVarName(6), "");
    EXPECT_EQ(a.GetSolutionVarName(-1), "");
    EXPECT_EQ(Text(a.GetSolution(a.GetSolutionVarName(0), 1)), "");
    EXPECT_EQ(Text(a.GetSolution("nothing", 0)), "");
    EXPECT_TRUE(f.doc.IsSolving()) << "the solve stays with the document until the next one";

    // A second solve ends the first one itself.
    EXPECT_TRUE(a.UseGLSServer());
    EXPECT_TRUE(a.IsUsingGLSServer());
    EXPECT_FALSE(a.IsUsingGFCServer());
    ASSERT_TRUE(a.SolveIt(1));
    WaitForServer(a);
    EXPECT_TRUE(a.HasGotSolution());
    EXPECT_TRUE(a.UseGFCServer());
    EXPECT_TRUE(f.messages.Shown().empty());
}

TEST(Automation, SolveItIsFalseWhenTheTextDoesNotParse) {
    Fixture f;
    auto& a = f.automation;
    EXPECT_TRUE(a.AddLongDomainMinMax("D", 0, 3));
    EXPECT_TRUE(a.AddLongVariable("x", "D", 0, false));
    EXPECT_TRUE(a.AddConstraint("broken", "x <"));
    EXPECT_FALSE(a.SolveIt(1));
    EXPECT_EQ(f.messages.Shown(), (std::vector<std::string>{"Parser Failed"}));
    EXPECT_FALSE(a.ServerFinished());
    EXPECT_TRUE(a.DeleteConstraint("BROKEN"));
    EXPECT_FALSE(a.DeleteConstraint("broken"));
    EXPECT_TRUE(f.doc.GetConstraints().IsEmpty());
    EXPECT_TRUE(a.AddConstraint("fine", "x = 2;"));
    ASSERT_TRUE(a.SolveIt(1));
    WaitForServer(a);
    EXPECT_EQ(Text(a.GetSolution("X", 0)), "2");
}

TEST(Automation, StopSearchStopsWithoutEndingTheSolve) {
    Fixture f;
    auto& a = f.automation;
    a.AddLongDomainMinMax("take", 0, 1);
    a.AddLongVariable("x", "take", 6, true);
    a.AddConstraint("cap", "scalprod(x, [12, 7, 11, 8, 9, 6]) <= 26;");
    a.SetOptimisation("maximise(scalprod(x, [24, 13, 23, 15, 16, 11]));");
    EXPECT_EQ(f.doc.GetOptimisation(),
              (std::vector<std::string>{"maximise(scalprod(x, [24, 13, 23, 15, 16, 11]));"}));
    a.UseGLSServer(); // searches until stopped
    ASSERT_TRUE(a.SolveIt(1));
    a.StopSearch();
    WaitForServer(a);
    EXPECT_TRUE(f.doc.IsSolving());
    a.StopSearch(); // again, after the search ended: nothing
    f.doc.EndSolve(false);
    a.StopSearch(); // without a solve: nothing
    EXPECT_FALSE(a.ServerFinished());
}

TEST(Automation, ExpertRunsAreReadAndStoppedLikeSingleOnes) {
    // Nobody receives the run's engine events here, so the document never hears which engine
    // runs; the client still sees the run finish, its solution, and can stop it.
    Fixture f;
    auto& a = f.automation;
    a.AddLongDomainMinMax("D", 0, 3);
    a.AddLongVariable("x", "D", 0, false);
    a.AddConstraint("c", "x = 2;");
    f.doc.SetSolverSetting(SolverSetting::Expert);
    ASSERT_TRUE(a.SolveIt(1));
    WaitForServer(a);
    EXPECT_TRUE(a.HasGotSolution());
    EXPECT_EQ(Text(a.GetSolution("x", 0)), "2");

    // Engines that search until they are stopped.
    f.doc.SetBridgeFactory([](RawCSP* problem, const AlgParams*, int) {
        return std::make_unique<FakeSolver>(problem, std::vector<FakeSolver::Step>{FakeSolver::Step::Block});
    });
    ASSERT_TRUE(a.SolveIt(1));
    a.StopSearch();
    WaitForServer(a);
    EXPECT_FALSE(a.HasGotSolution());
    EXPECT_TRUE(f.doc.IsSolving());
    f.doc.EndSolve(false);
    EXPECT_FALSE(a.ServerFinished());
}

TEST(Automation, RefusalsShowTheirMessageAndChangeNothing) {
    Fixture f;
    auto& a = f.automation;
    a.AddLongDomainMinMax("D", 0, 3);
    a.AddLongConstant("K", 1);
    const int domains = f.doc.GetDomains().GetSize();
    struct Case {
        const char* what;
        std::function<bool()> call;
        const char* message;
    };
    const Case cases[] = {
        {"bad name", [&] { return a.AddLongConstant("1x", 2); }, "ID must start with a letter"},
        {"keyword", [&] { return a.AddLongDomainMinMax("forall", 0, 1); },
         "The id is in use as a Keyword, Please Change"},
        {"clash", [&] { return a.AddConstraint("d", "x = 1;"); },
         "The id is already in use for a Domain, Please Change"},
        {"range", [&] { return a.AddLongDomainMinMax("E", 5, 4); }, "Minimum is greater than maximum"},
        {"no domain", [&] { return a.AddLongVariable("v", "none", 0, false); },
         "No Domain attached to Variable"},
        {"empty array", [&] { return a.AddLongVariable("v", "D", 0, true); },
         "Arrays must have at least 1 element"},
        {"not an array", [&] { return a.AddLongDomainWithLongArray("E", AutomationValue(7)); },
         "Array of long integers required"},
        {"two dimensions",
         [&] {
             return a.AddLongDomainWithLongArray("E", AutomationArray{2, 0, 1, {1, 2}});
         },
         "A single array required"},
        {"lower bound",
         [&] {
             return a.AddLongDomainWithLongArray("E", AutomationArray{1, std::nullopt, 1, {1, 2}});
         },
         "Error with lower bound"},
        {"upper bound",
         [&] {
             return a.AddLongDomainWithLongArray("E", AutomationArray{1, 0, std::nullopt, {1, 2}});
         },
         "Error with Upper bound"},
        {"element",
         [&] {
             return a.AddLongDomainWithLongArray("E", AutomationArray{1, 0, 1, {1, std::nullopt}});
         },
         "A data error occured"},
        {"bounds past the elements",
         [&] {
             return a.AddLongDomainWithLongArray("E", AutomationArray{1, 0, 2000000000, {1}});
         },
         "A data error occured"},
        {"empty array of values",
         [&] {
             return a.AddLongDomainWithLongArray("E", AutomationArray{1, 1, 0, {}});
         },
         "Supplied Value Array is Empty"},
        {"boolean array", [&] { return a.AddBooleanVariable("b", 0, true); },
         "Arrays must have at least 1 element"},
        {"zero dimension", [&] { return a.AddLongArrayVariable("m", "D", "3,0"); },
         "Arrays must have at least 1 element"},
        {"no dimensions", [&] { return a.AddLongArrayVariable("m", "D", ""); },
         "Arrays must have at least 1 element"},
    };
    for (const auto& c : cases) {
        f.messages.Clear();
        EXPECT_FALSE(c.call()) << c.what;
        EXPECT_EQ(f.messages.Shown(), (std::vector<std::string>{c.message})) << c.what;
    }
    // A dimension text that is no list of numbers is refused without a message.
    f.messages.Clear();
    EXPECT_FALSE(a.AddLongArrayVariable("m", "D", "3;4"));
    EXPECT_TRUE(f.messages.Shown().empty());
    EXPECT_EQ(f.doc.GetDomains().GetSize(), domains);
    EXPECT_TRUE(f.doc.GetVariables().IsEmpty());
    EXPECT_EQ(f.doc.GetConstants().GetSize(), 1);
    EXPECT_TRUE(f.doc.GetConstraints().IsEmpty());
}

TEST(Automation, EveryKindOfElementReachesTheProblemText) {
    Fixture f;
    auto& a = f.automation;
    EXPECT_TRUE(a.AddLongDomainWithLongArray("Odd", AutomationArray{1, 3, 5, {1, 3, 5}}));
    EXPECT_EQ(dynamic_cast<const CIntDomain*>(f.doc.GetDomains()[2])->GetValues(),
              (std::vector<int>{1, 3, 5}));
    EXPECT_TRUE(a.AddSetConstant("S", "1,3"));
    EXPECT_TRUE(a.AddSetConstant("1bad", "anything")); // no checks
    f.doc.GetConstants().RemoveAt(1);
    EXPECT_TRUE(a.AddListConstant("L", "5,1"));
    EXPECT_TRUE(a.AddBooleanVariable("flag", 0, false));
    EXPECT_TRUE(a.AddBooleanVariable("flags", 2, true));
    EXPECT_TRUE(a.AddLongArrayVariable("grid", "Odd", "2, 3"));
    EXPECT_TRUE(a.AddLongVariable("v", "Odd", 0, false));
    EXPECT_TRUE(a.AddConstraint("c1", "Member(v, S);"));
    EXPECT_TRUE(a.AddConstraint("c2", "grid[1][2] = L[0];"));
    EXPECT_TRUE(a.AddConstraint("c3", "flags[1] = 1;"));
    EXPECT_EQ(f.doc.GetProblemText(),
              "Problem:test\r\n{\r\nData\r\n{\r\nS := {1,3};\r\nL := [5,1];\r\n}\r\n"
              "Domains\r\n{\r\nIntDom Odd={1,3,5};\r\n\r\n}\r\n"
              "Variables\r\n{\r\nBoolVar flag;\r\nBoolVar flags[2];\r\n"
              "IntVar grid[2][3]::Odd;\r\nIntVar v::Odd;\r\n}\r\n"
              "Constraints\r\n{\r\nMember(v, S);\r\ngrid[1][2] = L[0];\r\nflags[1] = 1;\r\n"
              "\r\n}\r\n\r\n}");
    ASSERT_TRUE(a.SolveIt(1));
    WaitForServer(a);
    EXPECT_TRUE(a.HasGotSolution());
    EXPECT_EQ(Text(a.GetSolution("v", 0)), "1");
}
