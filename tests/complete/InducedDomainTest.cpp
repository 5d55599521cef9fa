// The domains of induced a + b, a - b and a * b against every pair of operand values, worked out
// here: the shortcuts for contiguous operands and for deduplicating results must give exactly
// the set the exhaustive enumeration gives, including at the ends of the int range.

#include "complete/IntDomainSpec.hpp"
#include "complete/IntVar.hpp"
#include "complete/ReleaseGlobals.hpp"
#include "complete/Value.hpp"
#include "complete/induced/MinusOp.hpp"
#include "complete/induced/PlusOp.hpp"
#include "complete/induced/TimesOp.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace GFCLib;

namespace {

// An operand: a variable over a domain description, optionally narrowed, or a constant.
struct OperandCase {
    std::string label;
    std::vector<int> spec;    // the variable's universe (empty for a constant)
    std::vector<int> removed; // values taken out of the current domain
    int constant = 0;
};

std::vector<int> Range(int lo, int hi) {
    std::vector<int> v;
    for (long long i = lo; i <= hi; ++i)
        v.push_back(static_cast<int>(i));
    return v;
}

std::vector<OperandCase> Operands() {
    return {
        {"0..9", Range(0, 9), {}},
        {"-5..3", Range(-5, 3), {}},
        {"7", {7}, {}},
        {"-3", {-3}, {}},
        {"max-3..max", Range(INT_MAX - 3, INT_MAX), {}},
        {"min..min+4", Range(INT_MIN, INT_MIN + 4), {}},
        {"{-4,0,5}", {-4, 0, 5}, {}},
        {"{1,2,4,8}", {1, 2, 4, 8}, {}},
        {"{min,0,max}", {INT_MIN, 0, INT_MAX}, {}},
        {"{-1000000,3,7}", {-1000000, 3, 7}, {}},
        {"0..9 without 4", Range(0, 9), {4}},
        {"0..9 narrowed to 2..5", Range(0, 9), {0, 1, 6, 7, 8, 9}},
        {"-6..6 narrowed to -6", Range(-6, 6), Range(-5, 6)},
        {"const 5", {}, {}, 5},
        {"const -2", {}, {}, -2},
    };
}

struct OpCase {
    const char* symbol;
    std::function<IntBinOp*()> make;
    std::function<long long(long long, long long)> apply;
};

class InducedDomainTest : public ::testing::Test {
protected:
    void SetUp() override { ReleaseGlobals(); }
    void TearDown() override {
        m_vars.clear();
        m_values.clear();
        ReleaseGlobals();
    }

    CPObject* Make(const OperandCase& c, std::vector<int>& current) {
        current.clear();
        if (c.spec.empty()) {
            m_values.push_back(std::make_unique<Value>(c.constant));
            current.push_back(c.constant);
            return m_values.back().get();
        }
        const std::string name = "D" + std::to_string(m_vars.size());
        std::vector<Value> values;
        for (int v : c.spec)
            values.emplace_back(v);
        IntDomainSpec::CreateFromValues(name.c_str(), values);
        m_vars.push_back(std::make_unique<IntVar>(name.c_str(), name.c_str()));
        IntVar* var = m_vars.back().get();
        for (int v : c.removed)
            EXPECT_TRUE(var->RemoveInt(v));
        for (int v : c.spec)
            if (std::find(c.removed.begin(), c.removed.end(), v) == c.removed.end()) current.push_back(v);
        return var;
    }

    std::vector<std::unique_ptr<IntVar>> m_vars;
    std::vector<std::unique_ptr<Value>> m_values;
};

TEST_F(InducedDomainTest, DomainIsExactlyTheSetOfResultsOverAllOperandPairs) {
    const std::vector<OpCase> ops = {
        {"+", [] { return new PlusOp(); }, [](long long a, long long b) { return a + b; }},
        {"-", [] { return new MinusOp(); }, [](long long a, long long b) { return a - b; }},
        {"*", [] { return new TimesOp(); }, [](long long a, long long b) { return a * b; }},
    };
    const std::vector<OperandCase> operands = Operands();
    for (const OpCase& op : ops)
        for (const OperandCase& left : operands)
            for (const OperandCase& right : operands) {
                std::vector<int> valuesA;
                std::vector<int> valuesB;
                CPObject* a = Make(left, valuesA);
                CPObject* b = Make(right, valuesB);
                std::set<int> expected;
                for (long long x : valuesA)
                    for (long long y : valuesB) {
                        const long long r = op.apply(x, y);
                        if (r >= INT_MIN && r <= INT_MAX) expected.insert(static_cast<int>(r));
                    }
                std::unique_ptr<IntBinOp> z(op.make());
                z->ComputeDomain(a, b);
                const std::vector<int> got = z->GetIntSpec()->Values();
                EXPECT_EQ(got, std::vector<int>(expected.begin(), expected.end()))
                    << left.label << " " << op.symbol << " " << right.label;
                EXPECT_EQ(z->GetDomain().Size(), static_cast<int>(expected.size()));
            }
}

} // namespace
