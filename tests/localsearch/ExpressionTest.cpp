// Integer expressions: values, bounds, wrapping, undefined values.

#include "ModelFixture.hpp"

#include "localsearch/ModelError.hpp"
#include "localsearch/SetVar.hpp"
#include "localsearch/expr/AbsOp.hpp"
#include "localsearch/expr/Cardinality.hpp"
#include "localsearch/expr/CountOp.hpp"
#include "localsearch/expr/DivOp.hpp"
#include "localsearch/expr/IndexOp.hpp"
#include "localsearch/expr/IntVal.hpp"
#include "localsearch/expr/Maximum.hpp"
#include "localsearch/expr/Minimum.hpp"
#include "localsearch/expr/MinusOp.hpp"
#include "localsearch/expr/ModOp.hpp"
#include "localsearch/expr/PlusOp.hpp"
#include "localsearch/expr/Power.hpp"
#include "localsearch/expr/ScalProd.hpp"
#include "localsearch/expr/Sum.hpp"
#include "localsearch/expr/TimesOp.hpp"
#include "localsearch/sets/SetVal.hpp"
#include "platform/Random.hpp"

#include <algorithm>
#include <climits>
#include <functional>

using namespace GLSLib;
using GLSLibTest::ModelTest;

namespace {
constexpr int kUndefined = INT_MIN + 12345; // marks an expected undefined value in the tables
IntObj* K(int v) {
    return new IntVal(v);
}
// The value as the evaluation reads it; GetValue, for code outside the evaluation, agrees.
int ValueOrMark(const IntObj& e) {
    const IntResult v = e.Value();
    if (v) {
        EXPECT_EQ(e.GetValue(), *v);
        return *v;
    }
    EXPECT_THROW(e.GetValue(), Obj::Undef);
    return kUndefined;
}
} // namespace

using ExpressionTest = ModelTest;

TEST_F(ExpressionTest, ArithmeticIsExactAndUndefinedOutsideTheIntRangeOrDividingByZero) {
    struct Case {
        const char* what;
        std::function<IntObj*(int, int)> make;
        int a, b, expected;
    };
    const auto plus = [](int a, int b) -> IntObj* { return new PlusOp(K(a), K(b)); };
    const auto minus = [](int a, int b) -> IntObj* { return new MinusOp(K(a), K(b)); };
    const auto times = [](int a, int b) -> IntObj* { return new TimesOp(K(a), K(b)); };
    const auto div = [](int a, int b) -> IntObj* { return new DivOp(K(a), K(b)); };
    const auto mod = [](int a, int b) -> IntObj* { return new ModOp(K(a), K(b)); };
    const Case cases[] = {
        {"7 / -2", div, 7, -2, -3},
        {"7 % -2", mod, 7, -2, 1},
        {"-7 % 2", mod, -7, 2, -1},
        {"-7 / 2", div, -7, 2, -3},
        {"x / 0", div, 5, 0, kUndefined},
        {"x % 0", mod, 5, 0, kUndefined},
        {"INT_MIN / -1 leaves the range", div, INT_MIN, -1, kUndefined},
        {"INT_MIN % -1", mod, INT_MIN, -1, 0},
        {"INT_MAX + 1 leaves the range", plus, INT_MAX, 1, kUndefined},
        {"INT_MIN - 1 leaves the range", minus, INT_MIN, 1, kUndefined},
        {"65536 * 65536 leaves the range", times, 65536, 65536, kUndefined},
        {"100000 * 100000 does not wrap to 1410065408", times, 100000, 100000, kUndefined},
        {"INT_MAX + INT_MIN", plus, INT_MAX, INT_MIN, -1},
        {"-46341 * 46340 fits", times, -46341, 46340, -2147441940},
        {"-3 * 4", times, -3, 4, -12},
        {"Abs of INT_MIN", [](int a, int) -> IntObj* { return new AbsOp(K(a)); }, INT_MIN, 0, kUndefined},
        {"Sum past INT_MAX",
         [](int a, int b) -> IntObj* {
             return new Sum({K(a), K(b)});
         },
         INT_MAX, 2, kUndefined},
        {"ScalProd past INT_MIN",
         [](int a, int b) -> IntObj* {
             return new ScalProd({K(a), K(b)}, {2, 1});
         },
         INT_MIN / 2, -1, kUndefined},
        {"ScalProd back inside the range",
         [](int a, int b) -> IntObj* {
             return new ScalProd({K(a), K(b)}, {2, -2});
         },
         INT_MAX, INT_MAX - 5, 10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueOrMark(*c.make(c.a, c.b)), c.expected) << c.what;
}

TEST_F(ExpressionTest, PowerIsTruncatedAndUndefinedOutsideTheIntRange) {
    struct Case {
        int base, exponent, expected;
    } const cases[] = {
        {2, 31, kUndefined},  {2, -1, 0},          {-1, -1, -1},
        {1, -7, 1},           {0, -1, kUndefined}, {3, 2, 9},
        {-2, 3, -8},          {2, 40, kUndefined}, {3, 19, 1162261467},
        {10, 20, kUndefined}, {0, 0, 1},           {-2, 31, INT_MIN},
        {2, 30, 1073741824},
    };
    for (const auto& c : cases) {
        auto* p = new Power(K(c.base), K(c.exponent));
        EXPECT_EQ(ValueOrMark(*p), c.expected) << c.base << "^" << c.exponent;
    }
    IntVar* x = Var(-2, 3, 0);
    auto* p = new Power(x, K(2));
    EXPECT_EQ(p->GetMin(), 0);
    EXPECT_EQ(p->GetMax(), 9);
}

TEST_F(ExpressionTest, BoundsTable) {
    struct Case {
        const char* what;
        std::function<IntObj*()> make;
        int lower, upper;
    };
    const Case cases[] = {
        {"Abs over -5..3", [] { return new AbsOp(Var(-5, 3, 0)); }, 0, 5},
        {"Abs over -5..-2", [] { return new AbsOp(Var(-5, -2, -3)); }, 2, 5},
        {"Abs over 2..7", [] { return new AbsOp(Var(2, 7, 3)); }, 2, 7},
        {"Index over (4,9,1), index -2..1",
         [] {
             return new IndexOp(Var(-2, 1, 0), {4, 9, 1});
         },
         4, 9},
        {"Index whose range misses the list",
         [] {
             return new IndexOp(Var(5, 8, 5), {4, 9, 1});
         },
         INT_MAX, INT_MIN},
        {"Index over the whole int range",
         [] {
             return new IndexOp(Var(INT_MAX - 3, INT_MAX, INT_MAX), {4, 9, 1});
         },
         INT_MAX, INT_MIN},
        {"ScalProd with coefficient -2 on 1..3", [] { return new ScalProd({Var(1, 3, 2)}, {-2}); }, -6, -2},
        {"ScalProd two terms",
         [] {
             return new ScalProd({Var(1, 3, 2), Var(-1, 4, 0)}, {3, 2});
         },
         1, 17},
        {"Sum",
         [] {
             return new Sum({Var(1, 3, 2), Var(-1, 4, 0)});
         },
         0, 7},
        {"Times over candidates", [] { return new TimesOp(Var(-3, 2, 0), Var(-1, 4, 0)); }, -12, 8},
        {"Div over candidates", [] { return new DivOp(Var(-8, 6, 0), Var(-2, 3, 1)); }, -8, 8},
        {"Div whose divisor is only 0", [] { return new DivOp(Var(1, 6, 1), K(0)); }, INT_MAX, INT_MIN},
        {"Mod whose divisor is only 0", [] { return new ModOp(Var(1, 6, 1), K(0)); }, INT_MAX, INT_MAX},
        {"Mod over -7..9 by 3..4", [] { return new ModOp(Var(-7, 9, 0), Var(3, 4, 3)); }, -3, 3},
        {"Minimum of none", [] { return new Minimum({}); }, INT_MAX, INT_MAX},
        {"Maximum of none", [] { return new Maximum({}); }, INT_MIN, INT_MIN},
        {"Minimum",
         [] {
             return new Minimum({Var(1, 3, 2), Var(-1, 4, 0)});
         },
         -1, 3},
        {"Maximum",
         [] {
             return new Maximum({Var(1, 3, 2), Var(-1, 4, 0)});
         },
         1, 4},
        {"Plus", [] { return new PlusOp(Var(1, 3, 2), Var(-1, 4, 0)); }, 0, 7},
        {"Minus", [] { return new MinusOp(Var(1, 3, 2), Var(-1, 4, 0)); }, -3, 4},
        {"Count",
         [] {
             return new CountOp({Var(1, 3, 2), Var(-1, 4, 0)}, {1});
         },
         0, 2},
        {"Cardinality of a set variable",
         [] {
             return new Cardinality(new SetVar("s", {1, 2, 3}));
         },
         0, 3},
        {"Cardinality of a constant set",
         [] {
             return new Cardinality(new SetVal({4, 4, 5}));
         },
         2, 2},
    };
    for (const Case& c : cases) {
        IntObj* e = c.make();
        e->Initialise();
        EXPECT_EQ(e->GetMin(), c.lower) << c.what;
        EXPECT_EQ(e->GetMax(), c.upper) << c.what;
    }
}

TEST_F(ExpressionTest, ModBoundsEqualABruteForceOverSmallRanges) {
    Platform::Random random(20261210);
    for (int trial = 0; trial < 3000; ++trial) {
        const int a1 = random.Below(41) - 20, a2 = a1 + random.Below(25);
        const int b1 = random.Below(31) - 15, b2 = b1 + random.Below(20);
        int lower = INT_MAX, upper = INT_MIN;
        for (int p = a1; p <= a2; ++p)
            for (int q = b1; q <= b2; ++q)
                if (q != 0) {
                    lower = std::min(lower, p % q);
                    upper = std::max(upper, p % q);
                }
        if (b1 == 0 && b2 == 0) lower = upper = INT_MAX;
        const auto bounds = ModOp::Bounds(a1, a2, b1, b2);
        ASSERT_EQ(bounds.first, lower) << a1 << ".." << a2 << " % " << b1 << ".." << b2;
        ASSERT_EQ(bounds.second, upper) << a1 << ".." << a2 << " % " << b1 << ".." << b2;
    }
}

TEST_F(ExpressionTest, ModBoundsOverHugeRangesNeedNoLoopOverTheirProduct) {
    const auto whole = ModOp::Bounds(INT_MIN, INT_MAX, INT_MIN, INT_MAX);
    EXPECT_EQ(whole.first, -INT_MAX);
    EXPECT_EQ(whole.second, INT_MAX);
    const auto positive = ModOp::Bounds(1000000000, 1000000100, 999999000, 1000000000);
    EXPECT_EQ(positive.first, 0);
    EXPECT_EQ(positive.second, 1100);
    const auto quotients = ModOp::Bounds(0, 2000000000, 1999999999, 2000000000);
    EXPECT_EQ(quotients.first, 0);
    EXPECT_EQ(quotients.second, 1999999999);
}

TEST_F(ExpressionTest, IndexAndAggregatesOfUndefinedArgumentsAreUndefined) {
    IntVar* i = Var(-1, 3, 0);
    auto* index = new IndexOp(i, {4, 9, 1});
    EXPECT_EQ(index->GetValue(), 4);
    Set(i, 3);
    EXPECT_THROW(index->GetValue(), Obj::Undef);
    auto* sum = new Sum({index, K(1)});
    auto* count = new CountOp({index, K(1)}, {1});
    auto* scal = new ScalProd({index, K(1)}, {2, 3});
    for (IntObj* e : std::initializer_list<IntObj*>{sum, count, scal})
        EXPECT_THROW(e->GetValue(), Obj::Undef);
    Set(i, 2);
    EXPECT_EQ(sum->GetValue(), 2);
    EXPECT_EQ(count->GetValue(), 2);
    EXPECT_EQ(scal->GetValue(), 5);
    EXPECT_EQ(scal->Recompute(), 5);
}

TEST_F(ExpressionTest, CountCountsAnArgumentOnceWhateverTheRepeatsInTheValueList) {
    auto* count = new CountOp({Var(0, 9, 3), Var(0, 9, 4), Var(0, 9, 3)}, {3, 3, 5});
    EXPECT_EQ(count->GetValue(), 2);
}

TEST_F(ExpressionTest, ApplyAndTheConstantsQueries) {
    IntVar* x = Var(0, 9, 3);
    EXPECT_EQ((new PlusOp(x, x))->Apply({1, 2, 3}), 6);
    EXPECT_EQ((new MinusOp(x, x))->Apply({7, 2}), 5);
    EXPECT_EQ((new TimesOp(x, x))->Apply({7, 2}), 14);
    auto* k = new IntVal(8);
    EXPECT_EQ(k->ValueAt(5), 8);
    EXPECT_EQ(k->DomainSize(), 1);
}

TEST_F(ExpressionTest, AScalarProductRefusesTooFewCoefficientsAndLeavesItsArgumentsClean) {
    IntVar* x = Var(0, 9, 3);
    EXPECT_THROW(new ScalProd({x, x}, {1}), ModelError);
    EXPECT_EQ(x->NumDependents(), 0u);
}

TEST_F(ExpressionTest, ExtremeCandidatesAndArithmeticKinds) {
    struct Case {
        int lo, hi;
        std::vector<int> expected;
    } const cases[] = {
        {-5, 3, {-5, -1, 0, 1, 3}}, {-1, 1, {-1, 0, 1}}, {2, 7, {2, 7}}, {0, 0, {0, 0}}, {-3, 0, {-3, -1, 0}},
    };
    for (const Case& c : cases) {
        std::vector<int> out{42};
        Var(c.lo, c.hi, c.lo)->GetExtremeCandidates(out);
        std::vector<int> expected{42};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        EXPECT_EQ(out, expected) << c.lo << ".." << c.hi;
    }
    IntVar* x = Var(0, 9, 1);
    auto* s = new SetVar("s", {1});
    EXPECT_FALSE(x->IsArithmetic());
    EXPECT_TRUE((new PlusOp(x, x))->IsArithmetic());
    EXPECT_TRUE((new AbsOp(x))->IsArithmetic());
    EXPECT_FALSE((new IndexOp(new PlusOp(x, x), {1}))->IsArithmetic());
    EXPECT_FALSE((new CountOp({new PlusOp(x, x)}, {1}))->IsArithmetic());
    EXPECT_FALSE((new Cardinality(s))->IsArithmetic());
    EXPECT_FALSE((new Minimum({x, x}))->IsArithmetic());
    EXPECT_TRUE((new Maximum({x, new Sum({x})}))->IsArithmetic());
}
