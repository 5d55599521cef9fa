#include "RawLPCheck.hpp"

#include "bridges/RawLPSolver.hpp"

#include "language/raw/RawFlt.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawOp.hpp"
#include "platform/MessageSink.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <sstream>

using namespace TavLanguage;
using namespace TavBridges;

namespace {

using RawLPCheck::verifySolution;

using E = RPtr<RawExpr>;

// Whole numbers become integer values, as the parser writes them.
E num(double v) {
    return v == std::floor(v) && std::abs(v) < 1e9 ? E(MakeR<RawInt>(static_cast<int>(v)))
                                                   : E(MakeR<RawFlt>(v));
}
E op(RawType t, E a, E b) {
    return MakeR<RawOp>(t, std::move(a), std::move(b));
}
E neg(E a) {
    return MakeR<RawOp>(RawType::Minus, std::move(a));
}
E operator+(E a, E b) {
    return op(RawType::Plus, std::move(a), std::move(b));
}
E operator-(E a, E b) {
    return op(RawType::Minus, std::move(a), std::move(b));
}
E operator*(E a, E b) {
    return op(RawType::Times, std::move(a), std::move(b));
}
E operator/(E a, E b) {
    return op(RawType::Divide, std::move(a), std::move(b));
}
E operator*(double k, E b) {
    return num(k) * std::move(b);
}
E operator+(E a, double k) {
    return std::move(a) + num(k);
}
E operator-(E a, double k) {
    return std::move(a) - num(k);
}

// A raw problem over real variables, built in code as the parser would build it.
struct Problem {
    RawCSP csp;
    std::map<std::string, E> vars;

    E real(const std::string& name) {
        auto v = MakeR<RawVar>(RawType::FltVar, name, nullptr);
        csp.AddVariable(v);
        return vars[name] = v;
    }
    E integer(const std::string& name) {
        auto v = MakeR<RawVar>(RawType::IntVar, name, nullptr);
        csp.AddVariable(v);
        return vars[name] = v;
    }
    void post(RawType t, E a, E b) { csp.AddConstraint(MakeR<RawCon>(t, std::move(a), std::move(b))); }
    void le(E a, E b) { post(RawType::LessEqual, std::move(a), std::move(b)); }
    void ge(E a, E b) { post(RawType::GreaterEqual, std::move(a), std::move(b)); }
    void eq(E a, E b) { post(RawType::Equal, std::move(a), std::move(b)); }
    void minimise(E e) { csp.SetRealObjective(MakeR<RawOpt>(RawType::Minimise, std::move(e))); }
    void maximise(E e) { csp.SetRealObjective(MakeR<RawOpt>(RawType::Maximise, std::move(e))); }
};

double valueOf(const RawLPSolver& solver, const std::string& name) {
    const RawLabel* label = solver.GetSolutions().GetSolution(0).FindLabel(name);
    return label != nullptr ? label->GetValue()->GetFlt() : NAN;
}

double costOf(const RawLPSolver& solver) {
    return solver.GetSolutions().GetSolution(0).GetCost().GetValue()->GetFlt();
}

struct RowCase {
    const char* name;
    std::function<void(Problem&, E x, E y)> post;
    std::vector<double> coefficients;
    char sense;
    double rhs;
};

class RawLPSolverRows : public testing::TestWithParam<RowCase> {};

void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

TEST_P(RawLPSolverRows, LinearFormOfBothSides) {
    const RowCase& c = GetParam();
    Problem p;
    p.integer("n"); // declared first: takes id 0, yet has no place in the rows
    E x = p.real("x"), y = p.real("y");
    c.post(p, x, y);
    p.minimise(x);
    RawLPSolver solver(&p.csp);
    ASSERT_EQ(solver.variableCount(), 2);
    ASSERT_EQ(solver.rows().size(), 1u);
    const LPLib::LPConstraint& row = *solver.rows()[0];
    EXPECT_EQ(row.coefficients(), LPLib::CVector({c.coefficients[0], c.coefficients[1]}));
    EXPECT_EQ(row.sense(), c.sense);
    EXPECT_DOUBLE_EQ(row.rightHandSide(), c.rhs);
}

const RowCase kRowCases[] = {
    {"Sum", [](Problem& p, E x, E y) { p.le(2 * x + 3 * y, num(12)); }, {2, 3}, '<', 12},
    {"ConstantsOnBothSides", [](Problem& p, E x, E y) { p.ge(x + 5, y - 1); }, {1, -1}, '>', -6},
    {"ScaledDifference", [](Problem& p, E x, E y) { p.eq(3 * (x - y), num(6)); }, {3, -3}, '=', 6},
    {"RepeatedVariable", [](Problem& p, E x, E) { p.le(x + x, num(4)); }, {2, 0}, '<', 4},
    {"ConstantInsideAProduct", [](Problem& p, E x, E) { p.le(2 * (x + 3), num(10)); }, {2, 0}, '<', 4},
    {"ProductWithTheConstantRight",
     [](Problem& p, E x, E y) { p.le((x - y) * num(2.5), num(5)); },
     {2.5, -2.5},
     '<',
     5},
    {"DivisionByAConstant",
     [](Problem& p, E x, E y) { p.ge((x + y) / num(4), num(0.5)); },
     {0.25, 0.25},
     '>',
     0.5},
    {"UnaryMinus", [](Problem& p, E x, E y) { p.le(neg(x - y), neg(num(2))); }, {-1, 1}, '<', -2},
    {"VariablesOnTheRight", [](Problem& p, E x, E y) { p.eq(num(7), x + 2 * y + 1); }, {-1, -2}, '=', -6},
    {"NumbersTimesVariablesOnEitherSide",
     [](Problem& p, E x, E y) { p.le(num(-1.5) * x - y * num(4), num(3) * num(0.5)); },
     {-1.5, -4},
     '<',
     1.5},
    {"ConstantProductOfConstants",
     [](Problem& p, E x, E) { p.le((num(2) + num(1)) * x, num(2) * num(4.5)); },
     {3, 0},
     '<',
     9},
};

INSTANTIATE_TEST_SUITE_P(Table, RawLPSolverRows, testing::ValuesIn(kRowCases),
                         [](const testing::TestParamInfo<RowCase>& instance) {
                             return std::string(instance.param.name);
                         });

TEST(RawLPSolver, RefusesWhatIsNotALinearProgramme) {
    struct Refusal {
        const char* name;
        std::function<void(Problem&, E x, E y)> build;
        const char* expected;
    };
    const Refusal refusals[] = {
        {"product", [](Problem& p, E x, E y) { p.le(x * y, num(1)); }, "product of variables"},
        {"division by a variable", [](Problem& p, E x, E y) { p.le(num(1) / y + x, num(1)); },
         "division by a variable"},
        {"division by zero", [](Problem& p, E x, E) { p.le(x / (num(2) - num(2)), num(1)); },
         "Division by zero"},
        {"integer variable", [](Problem& p, E x, E) { p.le(x + p.integer("n"), num(1)); },
         "the variable n is not a real variable"},
        {"strict comparison", [](Problem& p, E x, E) { p.post(RawType::Less, x, num(1)); },
         "is not an =, <="},
        {"not equal", [](Problem& p, E x, E) { p.post(RawType::NotEqual, x, num(1)); }, "is not an =, <="},
        {"modulo", [](Problem& p, E x, E) { p.le(op(RawType::Modulo, x, num(2)), num(1)); }, "cannot use %"},
        {"abs", [](Problem& p, E x, E) { p.le(MakeR<RawOp>(RawType::Abs, x), num(1)); }, "cannot use"},
        {"foreign variable",
         [](Problem& p, E x, E) { p.le(x + MakeR<RawVar>(RawType::FltVar, "z", nullptr), num(1)); },
         "the variable z is not declared"},
        {"soft constraint",
         [](Problem& p, E x, E) {
             p.csp.AddSoftConstraint(MakeR<RawSoftCon>(MakeR<RawCon>(RawType::LessEqual, x, num(1)), 2));
         },
         "soft constraints"},
        {"number out of range", [](Problem& p, E x, E) { p.le(num(1e300) * (num(1e300) * x), num(1)); },
         "out of range"},
    };
    for (const Refusal& r : refusals) {
        Problem p;
        E x = p.real("x"), y = p.real("y");
        r.build(p, x, y);
        p.maximise(x);
        try {
            RawLPSolver solver(&p.csp);
            ADD_FAILURE() << r.name << ": accepted";
        } catch (const RawLPSolver::ModelError& e) {
            EXPECT_NE(std::string(e.what()).find(r.expected), std::string::npos)
                << r.name << ": " << e.what();
        }
    }

    Problem noObjective;
    E x = noObjective.real("x");
    noObjective.le(x, num(1));
    EXPECT_THROW(RawLPSolver{&noObjective.csp}, RawLPSolver::ModelError);
}

TEST(RawLPSolver, MaximiseGivesValuesAndCost) {
    Problem p;
    E x = p.real("x"), y = p.real("y");
    p.le(x, num(4));
    p.le(2 * y, num(12));
    p.le(3 * x + 2 * y, num(18));
    p.maximise(3 * x + 5 * y);
    RawLPSolver solver(&p.csp);
    EXPECT_FALSE(solver.IsFinished());
    ASSERT_TRUE(solver.Solve());
    EXPECT_TRUE(solver.IsFinished());
    EXPECT_TRUE(solver.IsSolved());
    verifySolution(solver, p.csp);
    EXPECT_NEAR(valueOf(solver, "x"), 2, 1e-9);
    EXPECT_NEAR(valueOf(solver, "y"), 6, 1e-9);
    EXPECT_NEAR(costOf(solver), 36, 1e-9);
    EXPECT_EQ(solver.message(), "");

    // One programme, one answer: a second call appends nothing.
    EXPECT_FALSE(solver.Solve());
    EXPECT_EQ(solver.GetSolutions().GetCount(), 1);
}

TEST(RawLPSolver, MinimiseWithAtLeastRows) {
    Problem p;
    E x = p.real("x"), y = p.real("y");
    p.ge(x + y, num(4));
    p.ge(x + 3 * y, num(6));
    p.minimise(2 * x + 3 * y);
    RawLPSolver solver(&p.csp);
    ASSERT_TRUE(solver.Solve());
    verifySolution(solver, p.csp);
    EXPECT_NEAR(valueOf(solver, "x"), 3, 1e-9);
    EXPECT_NEAR(valueOf(solver, "y"), 1, 1e-9);
    EXPECT_NEAR(costOf(solver), 9, 1e-9);
}

TEST(RawLPSolver, ObjectiveConstantIsPartOfTheCostAndZeroIsNotNegative) {
    Problem p;
    E x = p.real("x");
    p.ge(x, num(2));
    p.minimise((x + 10) * num(2));
    RawLPSolver solver(&p.csp);
    ASSERT_TRUE(solver.Solve());
    verifySolution(solver, p.csp);
    EXPECT_NEAR(costOf(solver), 24, 1e-9);

    Problem q;
    E z = q.real("z");
    q.le(z, num(5));
    q.maximise(neg(z));
    RawLPSolver zero(&q.csp);
    ASSERT_TRUE(zero.Solve());
    EXPECT_EQ(costOf(zero), 0.0);
    EXPECT_FALSE(std::signbit(costOf(zero)));
    EXPECT_FALSE(std::signbit(valueOf(zero, "z")));
}

TEST(RawLPSolver, FailuresAppendNoSolutionAndShowNothing) {
    struct Failure {
        const char* name;
        std::function<void(Problem&, E x)> build;
        const char* message;
    };
    const Failure failures[] = {
        {"infeasible",
         [](Problem& p, E x) {
             p.le(x, num(1));
             p.ge(x, num(2));
             p.minimise(x);
         },
         "No Solution Found"},
        {"unbounded",
         [](Problem& p, E x) {
             p.ge(x, num(1));
             p.maximise(x);
         },
         "Solution Unbounded"},
        {"unbounded without rows", [](Problem& p, E x) { p.maximise(2 * x); }, "Solution Unbounded"},
    };
    for (const Failure& f : failures) {
        Problem p;
        f.build(p, p.real("x"));
        RawLPSolver solver(&p.csp);
        Platform::MessageCapture shown;
        EXPECT_FALSE(solver.Solve()) << f.name;
        EXPECT_TRUE(solver.IsFinished()) << f.name;
        EXPECT_FALSE(solver.IsSolved()) << f.name;
        EXPECT_EQ(solver.GetSolutions().GetCount(), 0) << f.name;
        EXPECT_EQ(solver.message(), f.message) << f.name;
        EXPECT_TRUE(shown.Messages().empty()) << f.name;
        solver.reportMessage();
        EXPECT_EQ(shown.Messages(), std::vector<std::string>{f.message}) << f.name;
    }
}

TEST(RawLPSolver, ProblemWithoutConstraintsIsSolvedAtTheOrigin) {
    Problem p;
    E x = p.real("x"), y = p.real("y");
    p.minimise(2 * x + 3 * y + 1);
    RawLPSolver solver(&p.csp);
    ASSERT_TRUE(solver.Solve());
    verifySolution(solver, p.csp);
    EXPECT_NEAR(costOf(solver), 1, 1e-12);
}

TEST(RawLPSolver, StopBeforeSolveEndsWithoutASolution) {
    Problem p;
    E x = p.real("x");
    p.le(x, num(3));
    p.maximise(x);
    RawLPSolver solver(&p.csp);
    solver.Stop();
    EXPECT_FALSE(solver.Solve());
    EXPECT_TRUE(solver.IsFinished());
    EXPECT_FALSE(solver.IsSolved());
    EXPECT_EQ(solver.GetSolutions().GetCount(), 0);
    EXPECT_EQ(solver.message(), "");
    Platform::MessageCapture shown;
    solver.reportMessage();
    EXPECT_TRUE(shown.Messages().empty());
}

TEST(RawLPSolver, StatisticsText) {
    Problem p;
    E x = p.real("x");
    p.maximise(neg(x));
    RawLPSolver solver(&p.csp);
    std::ostringstream out;
    EXPECT_EQ(&solver.PrintStatistics(out), &out);
    EXPECT_EQ(out.str(), "No statistics available for LPSolver\n");
}

TEST(RawLPSolver, BealeCyclingExampleEnds) {
    Problem p;
    E x1 = p.real("x1"), x2 = p.real("x2"), x3 = p.real("x3"), x4 = p.real("x4");
    p.le(num(0.25) * x1 - 8 * x2 - x3 + 9 * x4, num(0));
    p.le(num(0.5) * x1 - 12 * x2 - num(0.5) * x3 + 3 * x4, num(0));
    p.le(x3, num(1));
    p.minimise(neg(num(0.75) * x1) + 20 * x2 - num(0.5) * x3 + 6 * x4);
    RawLPSolver solver(&p.csp);
    ASSERT_TRUE(solver.Solve());
    verifySolution(solver, p.csp);
    EXPECT_NEAR(costOf(solver), -1.25, 1e-9);
}

// Long sums, as a generated transportation problem has them, do not recurse once per term.
TEST(RawLPSolver, LongSumsAreCollected) {
    Problem p;
    constexpr int kTerms = 20000;
    std::vector<E> v;
    for (int i = 0; i < kTerms; ++i)
        v.push_back(p.real("v" + std::to_string(i)));
    E sum = v[0];
    E objective = v[0];
    for (int i = 1; i < kTerms; ++i) {
        sum = sum + v[static_cast<std::size_t>(i)];
        objective = objective + (i % 2 == 0 ? 1 : 2) * v[static_cast<std::size_t>(i)];
    }
    p.eq(sum, num(10));
    p.minimise(objective);
    RawLPSolver solver(&p.csp);
    ASSERT_EQ(solver.rows().size(), 1u);
    double total = 0;
    for (double c : solver.rows()[0]->coefficients())
        total += c;
    EXPECT_EQ(total, kTerms);
}

} // namespace
