// The linear-programming bridge on problems read from modelling-language text: the example
// files and the forms the workbench's linear-programming wizards write.

#include "RawLPCheck.hpp"

#include "bridges/RawLPSolver.hpp"
#include "language/RawParser.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <sstream>

using namespace TavLanguage;
using namespace TavBridges;

namespace {

struct Expected {
    const char* name;
    const char* source; // an example file name, or the problem text itself
    bool solved;
    double cost = 0.0;
    std::map<std::string, double> values = {};
    const char* message = "";
};

void PrintTo(const Expected& e, std::ostream* os) {
    *os << e.name;
}

std::unique_ptr<RawCSP> parse(const std::string& source) {
    auto problem = std::make_unique<RawCSP>();
    ParserInfo info;
    const bool isFile = source.find('{') == std::string::npos;
    const ParserErr err =
        isFile ? ParseCSPFile(std::string(TAV_EXAMPLES_DIR) + "/" + source, &info, problem.get())
               : ParseCSPText(source, &info, problem.get());
    EXPECT_TRUE(err.IsOk()) << source << ": " << err.Message();
    return problem;
}

const Expected kExpected[] = {
    {"Maximise", "lp-max.csp", true, 36, {{"x", 2}, {"y", 6}}},
    {"Minimise", "lp-min.csp", true, 9, {{"x", 3}, {"y", 1}}},
    {"Equality", "lp-equality.csp", true, 2.8, {{"x[0]", 1.6}, {"x[1]", 1.2}}},
    {"Cycling", "lp-cycling.csp", true, -1.25},
    {"Infeasible", "lp-infeasible.csp", false, 0, {}, "No Solution Found"},
    {"Unbounded", "lp-unbounded.csp", false, 0, {}, "Solution Unbounded"},
    {"Transportation", "lp-transport.csp", true, 735},
    {"Assignment", "lp-assign.csp", true, 13},
    {"SmallTransportation", "transport.csp", true, 75},
    {"Diet", "diet.csp", true, 1.0, {{"bread", 0}, {"milk", 4}, {"cheese", 0}}},
    {"ConstantsFoldIntoTheRightHandSide",
     "problem:t { variables { realvar x, y; } constraints { 2*(x+3) <= 10; x + 5 >= y - 1; } "
     "optimisation { maximise(x + y + 1); } }",
     true,
     11,
     {{"x", 2}, {"y", 8}}},
    {"ScaledDifferenceEquality",
     "problem:t { variables { realvar x, y; } constraints { 3*(x - y) = 6; y <= 1.5; } "
     "optimisation { maximise(x); } }",
     true,
     3.5,
     {{"x", 3.5}, {"y", 1.5}}},
    {"NoConstraints",
     "problem:t { variables { realvar x; } constraints { } optimisation { minimise(x + 4); } }",
     true,
     4,
     {{"x", 0}}},
};

class RawLPSolverParsed : public testing::TestWithParam<Expected> {};

TEST_P(RawLPSolverParsed, SolvesToTheKnownOptimum) {
    const Expected& e = GetParam();
    const auto problem = parse(e.source);
    if (HasFailure()) return;
    RawLPSolver solver(problem.get());
    EXPECT_EQ(solver.Solve(), e.solved);
    EXPECT_TRUE(solver.IsFinished());
    EXPECT_EQ(solver.IsSolved(), e.solved);
    EXPECT_EQ(solver.message(), e.message);
    if (!e.solved) {
        EXPECT_EQ(solver.GetSolutions().GetCount(), 0);
        return;
    }
    RawLPCheck::verifySolution(solver, *problem);
    const RawSolution& s = solver.GetSolutions().GetSolution(0);
    EXPECT_NEAR(s.GetCost().GetValue()->GetFlt(), e.cost, 1e-9);
    for (const auto& [name, value] : e.values) {
        const RawLabel* label = s.FindLabel(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_NEAR(label->GetValue()->GetFlt(), value, 1e-9) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Problems, RawLPSolverParsed, testing::ValuesIn(kExpected),
                         [](const testing::TestParamInfo<Expected>& instance) {
                             return std::string(instance.param.name);
                         });

TEST(RawLPSolverParsed, SolutionListsTheRealVariablesInDeclarationOrder) {
    const auto problem = parse("lp-transport.csp");
    RawLPSolver solver(problem.get());
    ASSERT_TRUE(solver.Solve());
    std::ostringstream names;
    for (const RawLabel& label : solver.GetSolutions().GetSolution(0).GetLabels())
        names << label.GetName() << " ";
    EXPECT_EQ(names.str(),
              "sd[0][0] sd[0][1] sd[0][2] sd[1][0] sd[1][1] sd[1][2] sd[2][0] sd[2][1] sd[2][2] ");
}

TEST(RawLPSolverParsed, ProblemWithoutObjectiveIsRefused) {
    const auto problem = parse("problem:t { variables { realvar x; } constraints { x <= 3; } }");
    try {
        RawLPSolver solver(problem.get());
        ADD_FAILURE() << "accepted";
    } catch (const RawLPSolver::ModelError& e) {
        EXPECT_STREQ(e.what(), "Not a linear problem: there is no objective to minimise or maximise");
    }
}

// A problem over integer variables only gives the linear solver nothing to work on, whatever
// its constraints and objective; the refusal says so.
TEST(RawLPSolverParsed, ProblemWithoutRealVariablesIsRefusedAsSuch) {
    for (const char* source : {"knapsack.csp", "colouring-none.csp"}) {
        const auto problem = parse(source);
        try {
            RawLPSolver solver(problem.get());
            ADD_FAILURE() << source << ": accepted";
        } catch (const RawLPSolver::ModelError& e) {
            EXPECT_STREQ(e.what(), "Not a linear problem: the problem has no real variables") << source;
        }
    }
}

} // namespace
