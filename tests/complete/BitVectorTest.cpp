#include "complete/BitVector.hpp"
#include "complete/Value.hpp"
#include "complete/ValueSet.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using GFCLib::BitVector;
using GFCLib::Value;
using GFCLib::ValueSet;

TEST(BitVectorTest, SizesAndWords) {
    BitVector empty;
    EXPECT_EQ(empty.WordCount(), 0);
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_FALSE(empty.Test(0));
    EXPECT_EQ(BitVector(0, true).WordCount(), 0);
    BitVector b33(33, true);
    EXPECT_EQ(b33.WordCount(), 2);
    EXPECT_EQ(b33.Count(), 33);
    BitVector b64(64, false);
    b64.PushBack(true);
    EXPECT_EQ(b64.WordCount(), 3);
    EXPECT_EQ(b64.BitCount(), 65);
    EXPECT_TRUE(b64.Test(64));
    EXPECT_EQ(b64.Count(), 1);
}

TEST(BitVectorTest, ClearAboveAndBelow) {
    BitVector below(64, true);
    below.ClearBelow(40);
    EXPECT_EQ(below.Count(), 24);
    EXPECT_FALSE(below.Test(39));
    EXPECT_TRUE(below.Test(40));
    EXPECT_TRUE(below.Test(63));
    BitVector above(64, true);
    above.ClearAbove(40);
    EXPECT_EQ(above.Count(), 41);
    EXPECT_TRUE(above.Test(40));
    EXPECT_FALSE(above.Test(41));
    BitVector all(64, true);
    all.ClearAbove(-1);
    EXPECT_EQ(all.Count(), 0);
}

TEST(BitVectorTest, OutOfRangeIsSafe) {
    BitVector b(10, true);
    EXPECT_FALSE(b.Test(-1));
    EXPECT_FALSE(b.Test(10));
    b.Set(10, true);
    b.Set(-5, true);
    b.Set(1000, true);
    EXPECT_EQ(b.Count(), 10);
    EXPECT_EQ(b.CountRange(5, 3), 0);
    EXPECT_EQ(b.CountRange(-4, 100), 10);
    EXPECT_EQ(b.CountRange(2, 4), 3);
    b.KeepOnly(99);
    EXPECT_EQ(b.Count(), 0);
}

TEST(BitVectorTest, DifferentLengthsCombineSafely) {
    BitVector shortOne(10, true);
    BitVector longOne(100, true);
    BitVector a = shortOne;
    a &= longOne;
    EXPECT_EQ(a.Count(), 10);
    BitVector b = longOne;
    b &= shortOne; // the short vector has no bits beyond 10
    EXPECT_EQ(b.Count(), 10);
    BitVector c = shortOne;
    c |= longOne;
    EXPECT_EQ(c.Count(), 10);
    BitVector d(40, false);
    d |= BitVector(33, true);
    EXPECT_EQ(d.Count(), 33);
    BitVector e = longOne;
    e = shortOne;
    EXPECT_EQ(e.BitCount(), 10);
    EXPECT_EQ(e.Count(), 10);
}

TEST(BitVectorTest, ComplementAndScans) {
    BitVector b(33, false);
    b.Set(3, true);
    b.Set(32, true);
    const BitVector c = b.Complement();
    EXPECT_EQ(c.Count(), 31);
    EXPECT_EQ(b.First(), 3);
    EXPECT_EQ(b.NextSet(4), 32);
    EXPECT_EQ(b.NextSet(33), -1);
    EXPECT_EQ(b.Last(), 32);
    EXPECT_EQ(b.PrevSet(31), 3);
    EXPECT_EQ(b.PrevSet(2), -1);
}

namespace {
std::vector<Value> Ints(std::initializer_list<int> ints) {
    std::vector<Value> values;
    for (int i : ints)
        values.emplace_back(i);
    return values;
}
std::string Printed(const ValueSet& s) {
    std::ostringstream os;
    os << s;
    return os.str();
}
} // namespace

TEST(ValueSetTest, Printing) {
    auto universe = Ints({1, 2, 3, 4, 5});
    ValueSet s(&universe, false);
    EXPECT_EQ(Printed(s), "{}");
    s.AddIndex(1);
    s.AddIndex(4);
    EXPECT_EQ(Printed(s), "{2,5}");
    EXPECT_EQ(s.Size(), 2);
    EXPECT_TRUE(s.ContainsValue(Value(5)));
    EXPECT_FALSE(s.ContainsValue(Value(9)));
}

TEST(ValueSetTest, UnionOverDifferentUniversesOwnsACopy) {
    auto u1 = Ints({1, 2, 3});
    auto u2 = Ints({3, 7});
    ValueSet a(&u1, false);
    a.AddIndex(0);
    ValueSet b(&u2, true);
    a |= b;
    EXPECT_EQ(u1.size(), 3u); // the shared universe is untouched
    EXPECT_EQ(a.UniverseSize(), 4);
    EXPECT_EQ(Printed(a), "{1,3,7}");
    ValueSet copy(a); // deep copy of the owned universe
    EXPECT_EQ(Printed(copy), "{1,3,7}");
    a = ValueSet(&u1, false);
    EXPECT_EQ(Printed(copy), "{1,3,7}");
}

TEST(ValueSetTest, SubsetsAcrossUniverses) {
    auto u1 = Ints({1, 2, 3});
    auto u2 = Ints({3, 2, 1, 0});
    ValueSet a(&u1, false);
    a.AddIndex(0);
    a.AddIndex(2); // {1,3}
    ValueSet b(&u2, false);
    b.AddIndex(0);
    b.AddIndex(2); // {3,1}
    EXPECT_TRUE(ValueSet::Subset(a, b));
    EXPECT_FALSE(ValueSet::StrictSubset(a, b));
    EXPECT_FALSE(ValueSet::NotEqual(a, b));
    b.AddIndex(3);
    EXPECT_TRUE(ValueSet::StrictSubset(a, b));
    EXPECT_TRUE(ValueSet::Superset(b, a));
    b -= a;
    EXPECT_EQ(Printed(b), "{0}");
    ValueSet c(&u1, true);
    c &= b;
    EXPECT_EQ(c.Size(), 0);
}

TEST(ValueSetTest, EnumeratesBySizeThenLexicographically) {
    std::vector<Value> universe{Value("a"), Value("b"), Value("c")};
    ValueSet required(&universe, false);
    ValueSet possible(&universe, true);
    ValueSet s(&universe, false);
    std::vector<std::string> seen;
    while (s.NextSet(required, possible, 1, 2))
        seen.push_back(Printed(s));
    EXPECT_EQ(seen, (std::vector<std::string>{"{a}", "{b}", "{c}", "{a,b}", "{a,c}", "{b,c}"}));
}

TEST(ValueSetTest, EnumerationRespectsRequiredAndPossible) {
    auto universe = Ints({0, 1, 2, 3});
    ValueSet required(&universe, false);
    required.AddIndex(1);
    ValueSet possible(&universe, true);
    possible.RemoveIndex(3);
    ValueSet s(&universe, false);
    std::vector<std::string> seen;
    while (s.NextSet(required, possible, 0, 4))
        seen.push_back(Printed(s));
    EXPECT_EQ(seen, (std::vector<std::string>{"{1}", "{0,1}", "{1,2}", "{0,1,2}"}));
}

TEST(ValueTest, EqualityOrderAndCopies) {
    EXPECT_EQ(Value(3), Value(3.0));
    EXPECT_NE(Value(3), Value("3"));
    EXPECT_LT(Value(2), Value(3));
    EXPECT_LT(Value("a"), Value("b"));
    EXPECT_EQ((Value(2) + Value(5)).GetInt(), 7);
    EXPECT_EQ(Value(2.7).GetInt(), 2);
    EXPECT_EQ(Value(-2.7).GetInt(), -2);
    auto universe = Ints({1, 2});
    Value s(&universe, 1);
    Value copy = s;
    copy.GetSet().RemoveIndex(0);
    EXPECT_EQ(s.GetSet().Size(), 2);
    EXPECT_EQ(copy.GetSet().Size(), 1);
    EXPECT_NE(s, copy);
    copy = Value(4);
    EXPECT_EQ(copy.GetInt(), 4);
    EXPECT_EQ(Value().GetTag(), Value::kUndefined);
    EXPECT_EQ(Value("x").GetType(), 4);
    EXPECT_EQ(s.GetType(), 6);
}

TEST(ValueSetTest, EnumerationRestartsASizeWhenTheDomainNarrowed) {
    auto universe = Ints({0, 1, 2, 3});
    ValueSet required(&universe, false);
    ValueSet possible(&universe, true);
    ValueSet s(&universe, false);
    s.AddIndex(0);
    s.AddIndex(3); // {0,3}
    possible.RemoveIndex(0);
    // {0,3} holds an impossible member: the first set of size 2 comes next.
    ASSERT_TRUE(s.NextSet(required, possible, 0, 4));
    EXPECT_EQ(Printed(s), "{1,2}");
    ASSERT_TRUE(s.NextSet(required, possible, 0, 4));
    EXPECT_EQ(Printed(s), "{1,3}");
    ASSERT_TRUE(s.NextSet(required, possible, 0, 4));
    EXPECT_EQ(Printed(s), "{2,3}");
    ASSERT_TRUE(s.NextSet(required, possible, 0, 4));
    EXPECT_EQ(Printed(s), "{1,2,3}");
    EXPECT_FALSE(s.NextSet(required, possible, 0, 4));
    // Nothing follows the full set, and a required member outside the possible ones leaves none.
    ValueSet full(&universe, true);
    EXPECT_FALSE(full.NextSet(required, ValueSet(&universe, true), 0, 4));
    required.AddIndex(0);
    ValueSet t(&universe, false);
    EXPECT_FALSE(t.FirstSet(required, possible, 1));
}
