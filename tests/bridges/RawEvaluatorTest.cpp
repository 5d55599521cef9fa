#include "bridges/RawEvaluator.hpp"

#include "RawBuild.hpp"

#include <gtest/gtest.h>

#include <functional>

using namespace TavLanguage;
using namespace TavBridges;
using namespace RawBuild;
using TavBridges::RawEvaluation;
using TavBridges::RawEvaluator;

namespace {

RawEvaluator::Value I(long long v) {
    RawEvaluator::Value value;
    value.intValue = v;
    return value;
}

RawEvaluator::Value S(std::set<long long> v) {
    RawEvaluator::Value value;
    value.kind = RawEvaluator::Value::Kind::Set;
    value.setValue = std::move(v);
    return value;
}

// Variables x, y, z (integers 0..9), b (boolean) and sets s, t over 1..5, with no constraints.
struct Fixture : MixedVars {
    Fixture() : MixedVars(9, {1, 2, 3, 4, 5}) {}
};

} // namespace

TEST(RawEvaluator, TruthOfEachConstraintKind) {
    Fixture f;
    RawEvaluator eval(f.p.csp);
    // x = 2, y = 5, z = 2, b = 1, s = {1,2}, t = {1,2,3}
    const RawEvaluator::Assignment a = {{"x", I(2)}, {"y", I(5)},      {"z", I(2)},
                                        {"b", I(1)}, {"s", S({1, 2})}, {"t", S({1, 2, 3})}};
    auto lt = [&](E l, E r) { return E(Con(RawType::Less, l, r)); };
    struct Case {
        const char* name;
        RPtr<RawCon> constraint;
        bool holds;
    };
    const std::vector<Case> cases = {
        {"alldiff repeated", Con(RawType::AllDifferent, Arr({f.x, f.y, f.z})), false},
        {"alldiff distinct", Con(RawType::AllDifferent, Arr({f.x, f.y})), true},
        {"sequence permutation", Con(RawType::Sequence, Arr({f.x, f.y, f.z}), Ints({5, 2, 2})), true},
        {"sequence excess", Con(RawType::Sequence, Arr({f.x, f.y, f.z}), Ints({5, 2, 3})), false},
        {"element 0-based hit", Con(RawType::Element, {f.x, Ints({7, 8, 5}), f.y}), true},
        {"element miss", Con(RawType::Element, {f.z, Ints({7, 8, 4}), f.y}), false},
        {"element out of range", Con(RawType::Element, {f.y, Ints({5, 5}), f.y}), false},
        {"member", Con(RawType::Member, f.x, f.s), true},
        {"notmember", Con(RawType::NotMember, f.y, f.s), true},
        {"alldisjoint overlap", Con(RawType::AllDisjoint, Arr({f.s, f.t})), false},
        {"alldisjoint with constant", Con(RawType::AllDisjoint, Arr({f.s, SetOf({4, 5})})), true},
        {"subset", Con(RawType::Subset, f.s, f.t), true},
        {"subset reversed", Con(RawType::Subset, f.t, f.s), false},
        {"strict subset", Con(RawType::StrictSubset, f.s, f.t), true},
        {"strict subset of itself", Con(RawType::StrictSubset, f.s, SetOf({2, 1})), false},
        {"set equality", Con(RawType::Equal, f.s, SetOf({2, 1})), true},
        {"set inequality", Con(RawType::NotEqual, f.s, f.t), true},
        {"=", Con(RawType::Equal, f.x, f.z), true},
        {">", Con(RawType::Greater, f.y, f.x), true},
        {">= equal", Con(RawType::GreaterEqual, f.x, f.z), true},
        {"< false", Con(RawType::Less, f.y, f.x), false},
        {"<=", Con(RawType::LessEqual, f.x, f.y), true},
        {"<>", Con(RawType::NotEqual, f.x, f.z), false},
        {"and of two", Con(RawType::And, lt(f.x, f.y), lt(f.z, f.y)), true},
        {"and over a list", Con(RawType::And, Arr({lt(f.x, f.y), lt(f.z, f.y), lt(f.y, f.x)})), false},
        {"or over a list", Con(RawType::Or, Arr({lt(f.y, f.x), lt(f.z, f.x), lt(f.x, f.y)})), true},
        {"or of two false", Con(RawType::Or, lt(f.y, f.x), lt(f.y, f.z)), false},
        {"implies false premise", Con(RawType::Implies, lt(f.y, f.x), lt(f.y, f.z)), true},
        {"iff", Con(RawType::Iff, lt(f.x, f.y), lt(f.z, f.y)), true},
        {"xor", Con(RawType::Xor, lt(f.x, f.y), lt(f.z, f.y)), false},
        {"not", Con(RawType::Not, lt(f.y, f.x)), true},
        {"boolean as condition", Con(RawType::Implies, f.b, lt(f.x, f.y)), true},
        {"reified sum", Con(RawType::Equal, Op(RawType::Plus, lt(f.x, f.y), lt(f.y, f.x)), Int(1)), true},
        {"zero divisor", Con(RawType::Equal, Op(RawType::Divide, f.y, Op(RawType::Minus, f.x, f.z)), Int(0)),
         false},
        {"undefined under not",
         Con(RawType::Not, Con(RawType::Equal, Op(RawType::Modulo, f.y, Int(0)), Int(1))), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(eval.Holds(*c.constraint, a), c.holds) << c.name << ": " << c.constraint->ToString();
}

TEST(RawEvaluator, ValueOfEachExpressionKind) {
    Fixture f;
    RawEvaluator eval(f.p.csp);
    const RawEvaluator::Assignment a = {{"x", I(7)}, {"y", I(-2)},     {"z", I(3)},
                                        {"b", I(0)}, {"s", S({1, 4})}, {"t", S({4, 5})}};
    struct Case {
        const char* name;
        E expr;
        long long value;
    };
    const std::vector<Case> cases = {
        {"min", Op(RawType::Minimum, Arr({f.x, f.y, f.z})), -2},
        {"max", Op(RawType::Maximum, Arr({f.x, f.y, f.z})), 7},
        {"min of none", Op(RawType::Minimum, Arr({})), 2147483647},
        {"card", Op(RawType::Cardinality, f.s), 2},
        {"card union", Op(RawType::Cardinality, Op(RawType::Union, Arr({f.s, f.t}))), 3},
        {"card intersection", Op(RawType::Cardinality, Op(RawType::Intersection, Arr({f.s, f.t}))), 1},
        {"count", E(new RawOp(RawType::Count, Arr({f.x, f.y, f.z, Int(3)}), Ints({3, 7}))), 3},
        {"sum", Op(RawType::Sum, Arr({f.x, f.y, f.z})), 8},
        {"scalprod", E(new RawOp(RawType::ScalProd, Arr({f.x, f.y, f.z}), Ints({1, 10, -1}))), -16},
        {"div truncates", Op(RawType::Divide, f.x, f.y), -3},
        {"mod keeps dividend sign", Op(RawType::Modulo, f.x, f.y), 1},
        {"negative mod", Op(RawType::Modulo, Op(RawType::Minus, f.x), Int(2)), -1},
        {"unary minus", Op(RawType::Minus, f.y), 2},
        {"times", Op(RawType::Times, f.x, f.z), 21},
        {"abs", Op(RawType::Abs, f.y), 2},
        {"power", Op(RawType::Power, f.y, f.z), -8},
        {"negative power", Op(RawType::Power, f.z, Int(-1)), 0},
        {"index 0-based", Op(RawType::Index, f.z, Ints({10, 11, 12, 13})), 13},
        {"boolean and constraint value", Op(RawType::Plus, f.b, Con(RawType::Less, f.y, f.x)), 1},
    };
    for (const Case& c : cases) {
        RawEvaluator::Value v = eval.Eval(*c.expr, a);
        EXPECT_EQ(v.intValue, c.value) << c.name << ": " << c.expr->ToString();
    }
    EXPECT_THROW(eval.Eval(*Op(RawType::Index, f.x, Ints({1, 2})), a), RawEvaluator::Undefined);
    EXPECT_THROW(eval.Eval(*Op(RawType::Abs, f.s), a), RawEvaluator::Unsupported);
}

TEST(RawEvaluator, SolutionsAreCheckedAgainstDomainsConstraintsObjectiveAndSoftCost) {
    Problem p;
    auto d = p.IntList("d", {1, 3, 5});
    auto colours = p.StrDom("colours", {"red", "green"});
    auto sd = p.SetDom("sd", {1, 2});
    E x = p.IntVar("x", d);
    E y = p.IntVar("y", d);
    E c = p.Var(RawType::StrVar, "c", colours);
    E s = p.SetVar("s", sd);
    E b = p.BoolVar("b");
    p.Post(Con(RawType::Less, x, y));
    p.Soft(Con(RawType::Equal, x, Int(5)), 3);
    p.Soft(Con(RawType::Equal, y, Int(5)), 4);
    p.Maximise(Op(RawType::Plus, x, Op(RawType::Times, Int(2), y)));
    RawEvaluator eval(p.csp);

    auto solution = [&](int xv, int yv, const std::string& cv, std::initializer_list<int> sv, E bv) {
        RawSolution sol(1);
        sol.AddLabel(RawLabel("x", Int(xv)));
        sol.AddLabel(RawLabel("y", Int(yv)));
        sol.AddLabel(RawLabel("c", Str(cv)));
        sol.AddLabel(RawLabel("s", SetOf(sv)));
        sol.AddLabel(RawLabel("b", bv));
        return sol;
    };

    RawEvaluation good = eval.Evaluate(solution(1, 5, "red", {2}, E(new RawBool(true))));
    EXPECT_TRUE(good.feasible) << (good.faults.empty() ? "" : good.faults[0]);
    EXPECT_TRUE(good.hasObjective);
    EXPECT_EQ(good.objective, 11.0);
    EXPECT_TRUE(good.hasSoftConstraints);
    EXPECT_EQ(good.softCost, 3);

    struct Bad {
        const char* name;
        RawSolution sol;
    };
    std::vector<Bad> bad;
    bad.push_back({"violated", solution(5, 3, "red", {}, Int(0))});
    bad.push_back({"outside list domain", solution(1, 4, "red", {}, Int(0))});
    bad.push_back({"string outside domain", solution(1, 3, "blue", {}, Int(0))});
    bad.push_back({"set element outside domain", solution(1, 3, "red", {3}, Int(0))});
    bad.push_back({"boolean 2", solution(1, 3, "red", {}, Int(2))});
    RawSolution missing(1);
    missing.AddLabel(RawLabel("x", Int(1)));
    bad.push_back({"missing labels", missing});
    RawSolution extra = solution(1, 3, "red", {}, Int(0));
    extra.AddLabel(RawLabel("w", Int(0)));
    bad.push_back({"unknown label", extra});
    for (const Bad& case_ : bad) {
        RawEvaluation e = eval.Evaluate(case_.sol);
        EXPECT_FALSE(e.feasible) << case_.name;
        EXPECT_FALSE(e.faults.empty()) << case_.name;
    }
}

TEST(RawEvaluator, RealVariablesConstraintsAndObjective) {
    Problem p;
    auto x = MakeR<RawVar>(RawType::FltVar, "x", nullptr);
    auto y = MakeR<RawVar>(RawType::FltVar, "y", nullptr);
    p.csp.AddVariable(x);
    p.csp.AddVariable(y);
    p.csp.AddConstraint(Con(RawType::LessEqual, Op(RawType::Plus, E(x), E(y)), Int(4)));
    p.csp.AddConstraint(Con(RawType::GreaterEqual, E(x), Flt(0.5)));
    p.csp.SetRealObjective(MakeR<RawOpt>(RawType::Maximise, Op(RawType::Times, Flt(1.5), E(x))));
    ASSERT_EQ(p.csp.GetRealConstraints().size(), 2u);
    RawEvaluator eval(p.csp);

    RawSolution sol(1);
    sol.AddLabel(RawLabel("x", Flt(3.9999999999)));
    sol.AddLabel(RawLabel("y", Int(0)));
    RawEvaluation e = eval.Evaluate(sol);
    EXPECT_TRUE(e.feasible) << (e.faults.empty() ? "" : e.faults[0]);
    EXPECT_NEAR(e.objective, 6.0, 1e-6);

    RawSolution over(1);
    over.AddLabel(RawLabel("x", Flt(3.5)));
    over.AddLabel(RawLabel("y", Flt(0.6)));
    EXPECT_FALSE(eval.Evaluate(over).feasible);
}
