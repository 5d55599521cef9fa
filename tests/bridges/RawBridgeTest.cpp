// What every bridge does with the assignments its engine finds: it checks each against the raw
// problem, reports none twice, labels cost and soft cost from the raw problem, and gives up the
// building of its model when the program's stop request is set.
#include "bridges/ExtSolver.hpp"
#include "bridges/RawGFCSolver.hpp"
#include "bridges/RawGenericSolver.hpp"

#include "RawBuild.hpp"
#include "localsearch/GGLS.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Obj.hpp"
#include "platform/Cancelled.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

using namespace TavLanguage;
using namespace TavBridges;
using namespace RawBuild;

namespace {

// A stand-in local-search engine whose runs end on scripted assignments (value indexes of the
// integer variables, in the order the bridge adds them), one per Solve, then on nothing.
class ScriptedEngine : public GLSLib::GGLS {
public:
    explicit ScriptedEngine(std::vector<std::vector<int>> runs) : m_runs(std::move(runs)) {}
    bool Solve() override {
        if (m_next >= m_runs.size()) return false;
        std::vector<GLSLib::IntVar*>& vars = m_csp.GetVariables();
        for (std::size_t i = 0; i < vars.size(); ++i)
            vars[i]->SetValueIndex(m_runs[m_next][i]);
        ++m_next;
        return true;
    }
    bool CanImprove(GLSLib::Con*) override { return false; }
    // Deliberately wrong: the labels must not come from the engine's own cost.
    int GetCost() override { return -999; }
    int GetSoftCost() override { return -999; }
    void Stop() override {}
    bool IsSolved() override { return m_next > 0; }
    std::ostream& PrintStatistics(std::ostream& os) override { return os; }
    void SetParameter(int, int) override {}
    GLSLib::GLSCSP* GetCSP() override { return &m_csp; }

private:
    GLSLib::GLSCSP m_csp;
    std::vector<std::vector<int>> m_runs;
    std::size_t m_next = 0;
};

const AlgParams kLocal = AlgParams::Defaults(AlgParams::Family::GuidedLocalSearch);

// x, y over 0..3 with x < y; maximise x + y; a soft x = 0 of weight 5.
struct Small {
    Problem p;
    E x, y;
    Small() {
        auto d = p.IntRange("d", 0, 3);
        x = p.IntVar("x", d);
        y = p.IntVar("y", d);
        p.Post(Con(RawType::Less, x, y));
        p.Maximise(Op(RawType::Plus, x, y));
        p.Soft(Con(RawType::Equal, x, Int(0)), 5);
    }
};

std::string Line(const RawSolution& s) {
    std::string text;
    for (const RawLabel& label : s.GetLabels())
        text += label.GetName() + "=" + label.GetValue()->ToString() + " ";
    return text + "cost=" + s.GetCost().GetValue()->ToString() +
           " soft=" + s.GetSoftCost().GetValue()->ToString();
}

} // namespace

TEST(RawBridge, LocalSearchRunsEndingOnARepeatOrABrokenAssignmentFindNothing) {
    Small s;
    std::vector<std::string> notices;
    BridgeContext context;
    context.diagnostics = [&](const std::string& text) { notices.push_back(text); };
    // Runs: (1,3), the same again, (3,1) which breaks x < y, then (0,2).
    RawGenericSolver solver(
        &s.p.csp, &kLocal,
        std::make_unique<ScriptedEngine>(std::vector<std::vector<int>>{{1, 3}, {1, 3}, {3, 1}, {0, 2}}),
        context);
    ASSERT_TRUE(solver.Solve());
    EXPECT_EQ(Line(solver.GetSolutions().Last()), "x=1 y=3 cost=4 soft=5");
    EXPECT_FALSE(solver.Solve()) << "a repeat is not a new solution";
    EXPECT_TRUE(notices.empty());
    EXPECT_FALSE(solver.Solve()) << "an assignment that breaks the problem is not a solution";
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("violated: x < y"), std::string::npos) << notices[0];
    EXPECT_FALSE(solver.IsSolved());
    ASSERT_TRUE(solver.Solve());
    EXPECT_EQ(Line(solver.GetSolutions().Last()), "x=0 y=2 cost=2 soft=0");
    EXPECT_FALSE(solver.Solve());
    EXPECT_EQ(solver.GetSolutions().GetCount(), 2);
    EXPECT_EQ(solver.GetRejectedCount(), 2);
}

TEST(RawBridge, CompleteSearchGoesOnPastADroppedAssignment) {
    // Complete search reads the real 1.5 as the integer 1 (its values are integers), so x = 1
    // satisfies its model of the disjunction but not the problem; x = 3 satisfies both.
    Problem p;
    E x = p.IntVar("x", p.IntRange("d", 0, 3));
    p.Post(Con(RawType::Or, E(Con(RawType::Equal, x, Flt(1.5))), E(Con(RawType::Equal, x, Int(3)))));
    std::vector<std::string> notices;
    BridgeContext context;
    context.diagnostics = [&](const std::string& text) { notices.push_back(text); };
    const AlgParams params = AlgParams::Defaults(AlgParams::Family::CompleteSearch);
    RawGFCSolver solver(&p.csp, &params, context);
    ASSERT_TRUE(solver.Solve());
    EXPECT_EQ(solver.GetSolutions().Last().GetLabel(0).GetValue()->GetInt(), 3);
    EXPECT_EQ(notices.size(), 1u);
    EXPECT_FALSE(solver.Solve());
    EXPECT_EQ(solver.GetSolutions().GetCount(), 1);
}

TEST(RawBridge, AStopRequestEndsTheBuildingOfEveryBridgeAndFreesWhatItBuilt) {
    const std::atomic<bool> stopped{true};
    BridgeContext context;
    context.stop = &stopped;
    const AlgParams complete = AlgParams::Defaults(AlgParams::Family::CompleteSearch);
    Small s;
    EXPECT_THROW(RawGFCSolver(&s.p.csp, &complete, context), Platform::Cancelled);
    EXPECT_THROW(RawGenericSolver(&s.p.csp, &kLocal, 1, context), Platform::Cancelled);
    EXPECT_THROW(ExtSolver(&s.p.csp, ExtSolver::DefaultParams(), context), Platform::Cancelled);
    EXPECT_EQ(GLSLib::Obj::RegistrySize(), 0u);
    // Nothing is left behind that would keep the next solve from starting. Its optimum breaks no
    // soft constraint: 3 with the soft cost 0 beats 5 with 5.
    RawGFCSolver again(&s.p.csp, &complete);
    ASSERT_TRUE(again.Solve());
    EXPECT_EQ(Line(again.GetSolutions().Last()), "x=0 y=3 cost=3 soft=0");
}
