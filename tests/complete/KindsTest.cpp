// Every constraint kind and induced variable against a brute-force oracle: small problems are
// built in code, every assignment of the decision variables is enumerated and checked by an
// evaluator written here (independent of the library), and the solver's solution set must be
// exactly the oracle's under each ordering and under backjumping.

#include "complete/BoolVar.hpp"
#include "complete/CSP.hpp"
#include "complete/GFC.hpp"
#include "complete/IntDomainSpec.hpp"
#include "complete/IntVar.hpp"
#include "complete/ReleaseGlobals.hpp"
#include "complete/SetDomSpec.hpp"
#include "complete/SetVar.hpp"
#include "complete/constraints/AllDifferent.hpp"
#include "complete/constraints/AllDisjoint.hpp"
#include "complete/constraints/And.hpp"
#include "complete/constraints/Circuit.hpp"
#include "complete/constraints/Element.hpp"
#include "complete/constraints/Equal.hpp"
#include "complete/constraints/Iff.hpp"
#include "complete/constraints/Implies.hpp"
#include "complete/constraints/LessThan.hpp"
#include "complete/constraints/LessThanEq.hpp"
#include "complete/constraints/Maximum.hpp"
#include "complete/constraints/MemberCon.hpp"
#include "complete/constraints/Minimum.hpp"
#include "complete/constraints/NaryAnd.hpp"
#include "complete/constraints/Not.hpp"
#include "complete/constraints/NotEqual.hpp"
#include "complete/constraints/NotEqualOffset.hpp"
#include "complete/constraints/NotMember.hpp"
#include "complete/constraints/Or.hpp"
#include "complete/constraints/Sequence.hpp"
#include "complete/constraints/StrictSubset.hpp"
#include "complete/constraints/SubsetCon.hpp"
#include "complete/constraints/Xor.hpp"
#include "complete/induced/AbsOp.hpp"
#include "complete/induced/CardOp.hpp"
#include "complete/induced/CountOp.hpp"
#include "complete/induced/DivOp.hpp"
#include "complete/induced/IndexOp.hpp"
#include "complete/induced/IntersectOp.hpp"
#include "complete/induced/LinearOp.hpp"
#include "complete/induced/MaximumOp.hpp"
#include "complete/induced/MinimumOp.hpp"
#include "complete/induced/MinusOp.hpp"
#include "complete/induced/ModOp.hpp"
#include "complete/induced/PlusOp.hpp"
#include "complete/induced/PowerOp.hpp"
#include "complete/induced/ScalProdOp.hpp"
#include "complete/induced/SumOp.hpp"
#include "complete/induced/TimesOp.hpp"
#include "complete/induced/UnionOp.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace GFCLib;

namespace {

using Assignment = std::vector<int>; // int value, or bit mask over a set variable's universe
using Check = std::function<bool(const Assignment&)>;

// A small problem under construction: decision variables in order, and the oracle's domains.
struct Builder {
    CSP* csp;
    std::vector<Variable*> vars;
    std::vector<std::vector<int>> domains;

    IntVar* Int(int lo, int hi) {
        const std::string name = "x" + std::to_string(vars.size());
        IntDomainSpec::CreateRange(name.c_str(), lo, hi);
        auto* v = new IntVar(name.c_str(), name.c_str());
        Add(v);
        std::vector<int> d;
        for (int i = lo; i <= hi; ++i)
            d.push_back(i);
        domains.push_back(d);
        return v;
    }
    // A variable over the shared domain description r<hi> of 0 .. hi (variables over one
    // description compare by position).
    IntVar* IntShared(int hi) {
        const std::string spec = "r" + std::to_string(hi);
        if (IntDomainSpec::Find(spec.c_str()) == nullptr) IntDomainSpec::CreateRange(spec.c_str(), 0, hi);
        auto* v = new IntVar(("x" + std::to_string(vars.size())).c_str(), spec.c_str());
        Add(v);
        std::vector<int> d;
        for (int i = 0; i <= hi; ++i)
            d.push_back(i);
        domains.push_back(d);
        return v;
    }
    IntVar* IntOf(std::vector<int> values) {
        const std::string name = "x" + std::to_string(vars.size());
        std::vector<Value> vs;
        for (int i : values)
            vs.emplace_back(i);
        IntDomainSpec::CreateFromValues(name.c_str(), vs);
        auto* v = new IntVar(name.c_str(), name.c_str());
        Add(v);
        domains.push_back(values);
        return v;
    }
    // A set variable over the universe 0 .. n-1 (assignments are bit masks).
    SetVar* Set(int n) {
        const std::string name = "s" + std::to_string(vars.size());
        std::vector<Value> universe;
        for (int i = 0; i < n; ++i)
            universe.emplace_back(i);
        SetDomSpec::Create(name.c_str(), universe);
        auto* v = new SetVar(name.c_str(), name.c_str());
        Add(v);
        std::vector<int> masks;
        for (int m = 0; m < (1 << n); ++m)
            masks.push_back(m);
        domains.push_back(masks);
        return v;
    }
    Value* Const(int v) {
        auto* c = new Value(v);
        csp->GetValues().push_back(c);
        return c;
    }
    Value* ConstSet(std::vector<int> members, int n) {
        auto* universe = new std::vector<Value>();
        for (int i = 0; i < n; ++i)
            universe->emplace_back(i);
        csp->GetValueLists().push_back(universe);
        auto* c = new Value(universe, 0);
        for (int m : members)
            c->GetSet().AddIndex(m);
        csp->GetValues().push_back(c);
        return c;
    }
    template <typename T> T* Induced(T* v) {
        csp->AddVariable(v);
        return v;
    }
    void Post(Constraint* c) {
        csp->GetConstraints().push_back(c);
        c->Attach();
    }
    void Add(Variable* v) {
        csp->AddVariable(v);
        vars.push_back(v);
    }
};

using Case = std::function<Check(Builder&)>;

int MaskOf(const SetVar& s) {
    const Value& v = s.GetCurrentValue();
    int mask = 0;
    const auto& universe = *s.GetDomain().GetSpec()->Universe();
    for (std::size_t i = 0; i < universe.size(); ++i)
        if (v.GetSet().ContainsValue(universe[i])) mask |= 1 << i;
    return mask;
}

Assignment Read(const std::vector<Variable*>& vars) {
    Assignment a;
    for (const Variable* v : vars) {
        if (v->GetType() == 11)
            a.push_back(MaskOf(static_cast<const SetVar&>(*v)));
        else
            a.push_back(v->GetCurrentValue().GetInt());
    }
    return a;
}

std::set<Assignment> Oracle(const std::vector<std::vector<int>>& domains, const Check& check) {
    std::set<Assignment> result;
    Assignment a(domains.size());
    std::function<void(std::size_t)> walk = [&](std::size_t i) {
        if (i == domains.size()) {
            if (check(a)) result.insert(a);
            return;
        }
        for (int v : domains[i]) {
            a[i] = v;
            walk(i + 1);
        }
    };
    walk(0);
    return result;
}

// Solves the case under one setting; every solution is checked by the oracle's evaluator. The
// solutions in the order found go to inOrder when given.
std::set<Assignment> Solve(const Case& build, int ordering, int backtrack, std::set<Assignment>* oracle,
                           std::vector<Assignment>* inOrder = nullptr) {
    ReleaseGlobals();
    auto csp = std::make_unique<CSP>();
    Builder b{csp.get(), {}, {}};
    const Check check = build(b);
    if (oracle != nullptr) *oracle = Oracle(b.domains, check);
    GFC search(csp.get(), nullptr, false);
    search.SetParameter(1, ordering);
    search.SetParameter(3, backtrack);
    std::set<Assignment> found;
    int count = 0;
    while (search.FindNextSolution()) {
        const Assignment a = Read(b.vars);
        EXPECT_TRUE(check(a)) << "solution violates the constraints";
        found.insert(a);
        if (inOrder != nullptr) inOrder->push_back(a);
        ++count;
        if (count > 100000) break;
    }
    EXPECT_EQ(static_cast<std::size_t>(count), found.size()) << "a solution was returned twice";
    EXPECT_FALSE(search.FindNextSolution());
    return found;
}

void ExpectMatchesOracle(const std::string& name, const Case& build) {
    for (int mode = 0; mode < 4; ++mode) {
        const int ordering = mode < 3 ? mode : 0;
        const int backtrack = mode == 3 ? 1 : 0;
        std::set<Assignment> oracle;
        const auto found = Solve(build, ordering, backtrack, &oracle);
        EXPECT_FALSE(oracle.empty()) << name << ": every case here has solutions";
        EXPECT_EQ(found, oracle) << name << " ordering " << ordering << " backtrack " << backtrack
                                 << ": solver " << found.size() << " oracle " << oracle.size();
    }
}

struct NamedCase {
    std::string name;
    Case build;
};

int Pop(int m) {
    return __builtin_popcount(static_cast<unsigned>(m));
}

std::vector<NamedCase> ComparisonCases() {
    return {
        {"Equal",
         [](Builder& b) -> Check {
             auto *x = b.Int(0, 4), *y = b.IntOf({1, 3, 5});
             b.Post(new Equal(x, y));
             return [](const Assignment& a) { return a[0] == a[1]; };
         }},
        {"NotEqualConst",
         [](Builder& b) -> Check {
             auto *x = b.Int(0, 4), *y = b.Int(0, 2);
             b.Post(new NotEqual(x, b.Const(2)));
             b.Post(new NotEqual(y, x));
             return [](const Assignment& a) { return a[0] != 2 && a[0] != a[1]; };
         }},
        {"NotEqualOffset",
         [](Builder& b) -> Check {
             auto *x = b.Int(0, 3), *y = b.Int(0, 3), *z = b.IntOf({-1, 1, 2});
             b.Post(new NotEqualOffset(x, y, 1));
             b.Post(new NotEqualOffset(z, x, -2));
             b.Post(new NotEqualOffset(y, z, 0));
             return [](const Assignment& a) { return a[0] - a[1] != 1 && a[2] - a[0] != -2 && a[1] != a[2]; };
         }},
        {"DisequalityChain",
         // Labelling b = 0 leaves w one value, which w takes from x; c = 0 then empties x, and
         // c = 1 empties y. Backjumping from c must blame b (through w and x), not jump to a and
         // lose the solutions with a = 5, b = 1.
         [](Builder& b) -> Check {
             auto *a = b.IntOf({5, 6}), *bv = b.Int(0, 1), *c = b.Int(0, 1);
             auto *w = b.Int(0, 1), *x = b.Int(0, 2), *y = b.IntOf({1, 3});
             b.Post(new NotEqual(a, x));
             b.Post(new NotEqual(a, y));
             b.Post(new NotEqual(bv, w));
             b.Post(new NotEqual(w, x));
             for (IntVar* z : {x, y}) {
                 b.Post(new NotEqual(c, z));
                 b.Post(new NotEqualOffset(c, z, -2));
             }
             return [](const Assignment& v) {
                 return v[0] != v[4] && v[0] != v[5] && v[1] != v[3] && v[3] != v[4] && v[2] != v[4] &&
                        v[2] - v[4] != -2 && v[2] != v[5] && v[2] - v[5] != -2;
             };
         }},
        {"LessThanChain",
         [](Builder& b) -> Check {
             auto *x = b.Int(0, 4), *y = b.Int(0, 4), *z = b.Int(-1, 3);
             b.Post(new LessThan(x, y));
             b.Post(new LessThanEq(y, z));
             b.Post(new LessThan(b.Const(0), x));
             return [](const Assignment& a) { return a[0] < a[1] && a[1] <= a[2] && 0 < a[0]; };
         }},
        {"AllDifferentWithConstant",
         [](Builder& b) -> Check {
             auto *x = b.Int(0, 3), *y = b.Int(0, 3), *z = b.Int(0, 3);
             auto* c = new AllDifferent();
             c->Init(std::vector<CPObject*>{x, y, b.Const(1), z});
             b.Post(c);
             return [](const Assignment& a) {
                 std::set<int> s{a[0], a[1], a[2], 1};
                 return s.size() == 4;
             };
         }},
        {"ElementZeroBased",
         [](Builder& b) -> Check {
             auto *i = b.Int(-1, 4), *v = b.Int(0, 9);
             auto* c = new Element();
             c->SetArgs(i, v);
             c->SetValueList({Value(5), Value(2), Value(5), Value(7)});
             b.Post(c);
             return [](const Assignment& a) {
                 const int list[] = {5, 2, 5, 7};
                 return a[0] >= 0 && a[0] < 4 && list[a[0]] == a[1];
             };
         }},
        {"Sequence",
         [](Builder& b) -> Check {
             auto *x = b.Int(0, 3), *y = b.Int(0, 3), *z = b.Int(0, 3);
             auto* c = new Sequence();
             c->AddArgs(std::vector<Variable*>{x, y, z});
             for (int v : {1, 1, 2})
                 c->CountValue(Value(v));
             b.Post(c);
             return [](const Assignment& a) {
                 int ones = 0, twos = 0;
                 for (int v : a) {
                     if (v == 1)
                         ++ones;
                     else if (v == 2)
                         ++twos;
                     else
                         return false;
                 }
                 return ones <= 2 && twos <= 1;
             };
         }},
        {"Circuit",
         [](Builder& b) -> Check {
             std::vector<Variable*> xs;
             for (int i = 0; i < 4; ++i)
                 xs.push_back(b.Int(-1, 4));
             b.Post(new Circuit(xs));
             return [](const Assignment& a) {
                 int node = 0;
                 std::set<int> seen;
                 for (int step = 0; step < 4; ++step) {
                     if (a[node] < 0 || a[node] > 3 || !seen.insert(node).second) return false;
                     node = a[node];
                 }
                 return node == 0;
             };
         }},
        {"MinimumMaximum",
         [](Builder& b) -> Check {
             auto *r = b.Int(0, 4), *x = b.Int(0, 3), *y = b.Int(1, 4), *m = b.Int(0, 4);
             auto* mn = new Minimum();
             mn->AddResultAndArgs(r, std::vector<CPObject*>{x, y});
             b.Post(mn);
             auto* mx = new Maximum();
             mx->AddResultAndArgs(m, std::vector<CPObject*>{x, y, b.Const(2)});
             b.Post(mx);
             return [](const Assignment& a) {
                 return a[0] == std::min(a[1], a[2]) && a[3] == std::max({a[1], a[2], 2});
             };
         }},
    };
}

std::vector<NamedCase> LogicalCases() {
    return {
        {"AndOrImpliesIffXorNot",
         [](Builder& b) -> Check {
             auto *x = b.Int(0, 3), *y = b.Int(0, 3), *z = b.Int(0, 2);
             b.Post(new Or(new Equal(x, y), new LessThan(z, x)));
             b.Post(new Implies(new Equal(z, b.Const(0)), new NotEqual(x, b.Const(3))));
             b.Post(new Xor(new LessThanEq(x, b.Const(1)), new Equal(y, b.Const(2))));
             auto* n = new Not();
             n->SetConstraint(new And(new Equal(x, b.Const(0)), new Equal(y, b.Const(0))));
             b.Post(n);
             b.Post(new Iff(new LessThan(x, y), new Equal(z, b.Const(1))));
             return [](const Assignment& a) {
                 const int xv = a[0], yv = a[1], zv = a[2];
                 return (xv == yv || zv < xv) && (zv != 0 || xv != 3) && ((xv <= 1) != (yv == 2)) &&
                        !(xv == 0 && yv == 0) && ((xv < yv) == (zv == 1));
             };
         }},
        {"NaryAndAndReification",
         [](Builder& b) -> Check {
             auto *x = b.Int(0, 3), *y = b.Int(0, 3);
             auto* flag = new BoolVar("flag");
             b.csp->GetInducedVariables().push_back(flag);
             b.Post(new NaryAnd(
                 {new NotEqual(x, y), new LessThanEq(y, b.Const(2)), new NotEqual(x, b.Const(1))}));
             b.Post(new Iff(new LessThan(x, y), new Equal(flag, b.Const(1))));
             auto* sum = b.Induced(new PlusOp());
             sum->ComputeDomain(x, flag);
             b.Post(new Equal(sum, b.Const(2)));
             return [](const Assignment& a) {
                 const int xv = a[0], yv = a[1];
                 return xv != yv && yv <= 2 && xv != 1 && xv + (xv < yv ? 1 : 0) == 2;
             };
         }},
    };
}

std::vector<NamedCase> ArithmeticCases() {
    return {
        {"PlusMinusTimes",
         [](Builder& b) -> Check {
             auto *x = b.Int(-2, 3), *y = b.Int(0, 3), *z = b.Int(-6, 9);
             auto* p = b.Induced(new PlusOp());
             p->ComputeDomain(x, y);
             auto* t = b.Induced(new TimesOp());
             t->ComputeDomain(x, b.Const(2));
             auto* m = b.Induced(new MinusOp());
             m->ComputeDomain(b.Const(0), x);
             b.Post(new Equal(z, p));
             b.Post(new LessThan(t, y));
             b.Post(new NotEqual(m, b.Const(1)));
             return [](const Assignment& a) { return a[2] == a[0] + a[1] && 2 * a[0] < a[1] && -a[0] != 1; };
         }},
        {"DivModPowerAbs",
         [](Builder& b) -> Check {
             auto *x = b.Int(-4, 4), *y = b.Int(-2, 2), *z = b.Int(-4, 4);
             auto* d = b.Induced(new DivOp());
             d->ComputeDomainChecked(x, y);
             auto* m = b.Induced(new ModOp());
             m->ComputeDomainChecked(x, y);
             auto* p = b.Induced(new PowerOp());
             p->ComputeDomainChecked(y, b.Const(3));
             auto* ab = b.Induced(new AbsOp());
             ab->ComputeDomain(x);
             b.Post(new Equal(z, d));
             b.Post(new LessThanEq(m, ab));
             b.Post(new LessThan(p, b.Const(2)));
             return [](const Assignment& a) {
                 const int xv = a[0], yv = a[1], zv = a[2];
                 return yv != 0 && zv == xv / yv && xv % yv <= std::abs(xv) && yv * yv * yv < 2;
             };
         }},
        {"SumAndScalarProduct",
         [](Builder& b) -> Check {
             auto *x = b.Int(0, 4), *y = b.Int(0, 4), *z = b.Int(0, 4), *w = b.Int(0, 12);
             auto* s = b.Induced(new SumOp());
             s->Init(std::vector<CPObject*>{x, y, z});
             auto* sp = b.Induced(new ScalProdOp());
             sp->Init(std::vector<CPObject*>{x, y, z}, {Value(3), Value(-2), Value(1)});
             b.Post(new Equal(s, w));
             b.Post(new Equal(sp, b.Const(1)));
             return [](const Assignment& a) {
                 return a[0] + a[1] + a[2] == a[3] && 3 * a[0] - 2 * a[1] + a[2] == 1;
             };
         }},
        {"LinearWithRepeatsAndConstants",
         [](Builder& b) -> Check {
             // 2x - y + x + 3 + 2 folds into 3x - y + 5; a product with 0 drops its term.
             auto *x = b.Int(-2, 3), *y = b.Int(0, 4), *z = b.Int(-1, 2);
             auto* l = b.Induced(new LinearOp());
             l->InitTerms({x, y, x, b.Const(2), z}, {2, -1, 1, 1, 0}, 3);
             b.Post(new LessThanEq(l, b.Const(6)));
             b.Post(new NotEqual(l, b.Const(2)));
             b.Post(new LessThan(b.Const(-4), l));
             return [](const Assignment& a) {
                 const int v = 3 * a[0] - a[1] + 5;
                 return v <= 6 && v != 2 && v > -4;
             };
         }},
        {"AllDifferentOverExpressions",
         [](Builder& b) -> Check {
             // q + 1, -r, s - 2 are watched through q, r and s.
             auto *q = b.Int(0, 3), *r = b.Int(-3, 0), *s = b.Int(1, 4), *w = b.Int(0, 2);
             const auto view = [&](IntVar* x, long long c, long long k) {
                 auto* l = b.Induced(new LinearOp());
                 l->InitTerms({x}, {c}, k);
                 return l;
             };
             auto* c = new AllDifferent();
             c->Init(std::vector<CPObject*>{view(q, 1, 1), view(r, -1, 0), view(s, 1, -2), w, b.Const(3)});
             b.Post(c);
             return [](const Assignment& a) {
                 std::set<int> v{a[0] + 1, -a[1], a[2] - 2, a[3], 3};
                 return v.size() == 5;
             };
         }},
        {"MinMaxCountIndex",
         [](Builder& b) -> Check {
             auto *x = b.Int(0, 3), *y = b.Int(0, 3), *z = b.Int(0, 3), *i = b.Int(0, 4);
             auto* mn = b.Induced(new MinimumOp(std::vector<Variable*>{x, y}));
             auto* mx = b.Induced(new MaximumOp(std::vector<Variable*>{y, z}));
             auto* cnt = b.Induced(new CountOp(std::vector<Variable*>{x, y, z}, {Value(1), Value(3)}));
             auto* idx = b.Induced(new IndexOp(i, {Value(2), Value(0), Value(3), Value(1)}));
             b.Post(new Equal(mn, b.Const(1)));
             b.Post(new LessThanEq(mx, idx));
             b.Post(new Equal(cnt, b.Const(2)));
             return [](const Assignment& a) {
                 const int list[] = {2, 0, 3, 1};
                 const int xv = a[0], yv = a[1], zv = a[2], iv = a[3];
                 int count = 0;
                 for (int v : {xv, yv, zv})
                     count += (v == 1 || v == 3) ? 1 : 0;
                 return iv < 4 && std::min(xv, yv) == 1 && std::max(yv, zv) <= list[iv] && count == 2;
             };
         }},
        {"NestedExpressions",
         [](Builder& b) -> Check {
             auto *x = b.Int(1, 4), *y = b.Int(1, 4);
             auto* p = b.Induced(new PlusOp());
             p->ComputeDomain(x, y);
             auto* t = b.Induced(new TimesOp());
             t->ComputeDomain(p, x);
             b.Post(new Equal(t, b.Const(12)));
             return [](const Assignment& a) { return (a[0] + a[1]) * a[0] == 12; };
         }},
    };
}

std::vector<NamedCase> SetCases() {
    return {
        {"MemberAndNotMember",
         [](Builder& b) -> Check {
             auto* s = b.Set(3);
             auto* x = b.Int(-1, 3);
             auto* m = new MemberCon();
             m->Init(x, s);
             b.Post(m);
             auto* n = new NotMember();
             n->Init(b.Const(0), s);
             b.Post(n);
             return [](const Assignment& a) {
                 return a[1] >= 0 && a[1] < 3 && ((a[0] >> a[1]) & 1) && !(a[0] & 1);
             };
         }},
        {"SubsetsAndDisjoint",
         [](Builder& b) -> Check {
             auto *s = b.Set(3), *t = b.Set(3), *u = b.Set(3);
             auto* sub = new SubsetCon();
             sub->Init(s, t);
             b.Post(sub);
             auto* strict = new StrictSubset();
             strict->Init(b.ConstSet({1}, 3), t);
             b.Post(strict);
             auto* dis = new AllDisjoint();
             std::vector<Variable*> list{s, u};
             dis->CheckSetArgs(list);
             dis->AddArgs(list);
             b.Post(dis);
             return [](const Assignment& a) {
                 const int sv = a[0], tv = a[1], uv = a[2];
                 return (sv & ~tv) == 0 && (tv & 2) && tv != 2 && (sv & uv) == 0;
             };
         }},
        {"CardUnionIntersect",
         [](Builder& b) -> Check {
             auto *s = b.Set(3), *t = b.Set(3);
             auto* card = b.Induced(new CardOp());
             card->Init(s);
             auto* un = b.Induced(new UnionOp());
             un->Init(std::vector<SetVar*>{s, t});
             auto* in = b.Induced(new IntersectOp());
             in->Init(std::vector<SetVar*>{s, t});
             b.Post(new Equal(card, b.Const(2)));
             b.Post(new Equal(un, b.ConstSet({0, 1, 2}, 3)));
             auto* cin = b.Induced(new CardOp());
             cin->Init(in);
             b.Post(new LessThanEq(cin, b.Const(1)));
             return [](const Assignment& a) {
                 const int sv = a[0], tv = a[1];
                 return Pop(sv) == 2 && (sv | tv) == 7 && Pop(sv & tv) <= 1;
             };
         }},
        {"DisjointSetsCoveringByCardinalities",
         [](Builder& b) -> Check {
             // Three disjoint sets whose union has all four members, one of at most one member and
             // one of at least two: the union's cardinality narrows its domain, and the union then
             // places the members only one set can still take.
             auto *s = b.Set(4), *t = b.Set(4), *u = b.Set(4);
             auto* dis = new AllDisjoint();
             std::vector<Variable*> list{s, t, u};
             dis->CheckSetArgs(list);
             dis->AddArgs(list);
             b.Post(dis);
             auto* un = b.Induced(new UnionOp());
             un->Init(list);
             auto* card = b.Induced(new CardOp());
             card->Init(un);
             b.Post(new Equal(card, b.Const(4)));
             auto* cs = b.Induced(new CardOp());
             cs->Init(s);
             b.Post(new LessThanEq(cs, b.Const(1)));
             auto* ct = b.Induced(new CardOp());
             ct->Init(t);
             b.Post(new LessThanEq(b.Const(2), ct));
             auto* m = new NotMember();
             m->Init(b.Const(3), u);
             b.Post(m);
             return [](const Assignment& a) {
                 const int sv = a[0], tv = a[1], uv = a[2];
                 return (sv & tv) == 0 && (sv & uv) == 0 && (tv & uv) == 0 && (sv | tv | uv) == 15 &&
                        Pop(sv) <= 1 && Pop(tv) >= 2 && !(uv & 8);
             };
         }},
        {"SetEquality",
         [](Builder& b) -> Check {
             auto *s = b.Set(3), *t = b.Set(3);
             b.Post(new NotEqual(s, t));
             b.Post(new Equal(t, b.ConstSet({0, 2}, 3)));
             return [](const Assignment& a) { return a[0] != a[1] && a[1] == 5; };
         }},
    };
}

void RunAll(const std::vector<NamedCase>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectMatchesOracle(c.name, c.build);
    }
}

} // namespace

TEST(KindsTest, Comparisons) {
    RunAll(ComparisonCases());
}
TEST(KindsTest, Logical) {
    RunAll(LogicalCases());
}
TEST(KindsTest, Arithmetic) {
    RunAll(ArithmeticCases());
}
TEST(KindsTest, Sets) {
    RunAll(SetCases());
}

// Random small problems of mixed binary and ternary constraints: catches search faults
// (conflict bookkeeping, undoing levels) that hand-made cases miss.
TEST(KindsTest, RandomProblemsAgainstTheOracle) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Case build = [seed](Builder& b) -> Check {
            std::mt19937 rng(seed);
            const int n = 4 + static_cast<int>(rng() % 3);
            std::vector<IntVar*> xs;
            for (int i = 0; i < n; ++i)
                xs.push_back(b.Int(0, 2 + static_cast<int>(rng() % 3)));
            struct Rule {
                int kind, i, j, k;
            };
            std::vector<Rule> rules;
            const int m = n + static_cast<int>(rng() % 4);
            for (int c = 0; c < m; ++c) {
                Rule r{static_cast<int>(rng() % 5), static_cast<int>(rng() % n), static_cast<int>(rng() % n),
                       static_cast<int>(rng() % n)};
                if (r.i == r.j) r.j = (r.i + 1) % n;
                rules.push_back(r);
                switch (r.kind) {
                case 0:
                    b.Post(new NotEqual(xs[r.i], xs[r.j]));
                    break;
                case 1:
                    b.Post(new LessThanEq(xs[r.i], xs[r.j]));
                    break;
                case 2: {
                    auto* sum = b.Induced(new PlusOp());
                    sum->ComputeDomain(xs[r.i], xs[r.j]);
                    b.Post(new NotEqual(sum, xs[r.k]));
                    break;
                }
                case 3:
                    b.Post(new Or(new Equal(xs[r.i], xs[r.j]), new LessThan(xs[r.k], b.Const(1))));
                    break;
                default: {
                    auto* all = new AllDifferent();
                    all->Init(std::vector<Variable*>{xs[r.i], xs[r.j], xs[r.k]});
                    b.Post(all);
                    break;
                }
                }
            }
            return [rules](const Assignment& a) {
                for (const Rule& r : rules) {
                    const int x = a[r.i], y = a[r.j], z = a[r.k];
                    bool ok = true;
                    switch (r.kind) {
                    case 0:
                        ok = x != y;
                        break;
                    case 1:
                        ok = x <= y;
                        break;
                    case 2:
                        ok = x + y != z;
                        break;
                    case 3:
                        ok = x == y || z < 1;
                        break;
                    default:
                        ok = x != y && x != z && y != z;
                        break;
                    }
                    if (!ok) return false;
                }
                return true;
            };
        };
        for (int mode = 0; mode < 4; ++mode) {
            std::set<Assignment> oracle;
            const auto found = Solve(build, mode < 3 ? mode : 0, mode == 3 ? 1 : 0, &oracle);
            EXPECT_EQ(found, oracle) << "mode " << mode << ": solver " << found.size() << " oracle "
                                     << oracle.size();
        }
    }
}

// Random small problems of disequalities, plain and with an offset, over small domains (some with
// holes): a side left with one value takes it from the other, and chains of such sides must keep
// every solution. Natural ordering, with or without backjumping, must give them in the order of
// the enumeration (values ascending, the first variable slowest).
TEST(KindsTest, RandomDisequalitiesGiveTheOracleSolutionsInOrder) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Case build = [seed](Builder& b) -> Check {
            std::mt19937 rng(seed);
            const int n = 5 + static_cast<int>(rng() % 3);
            std::vector<IntVar*> xs;
            for (int i = 0; i < n; ++i) {
                if (rng() % 3 == 0) {
                    std::vector<int> values;
                    for (int v = -2; v <= 5; ++v)
                        if (rng() % 2 == 0) values.push_back(v);
                    if (values.empty()) values.push_back(0);
                    xs.push_back(b.IntOf(values));
                } else {
                    xs.push_back(b.IntShared(1 + static_cast<int>(rng() % 3)));
                }
            }
            struct Rule {
                int i, j, offset; // x[i] - x[j] <> offset
            };
            std::vector<Rule> rules;
            const int m = 2 * n + static_cast<int>(rng() % static_cast<unsigned>(n));
            for (int c = 0; c < m; ++c) {
                Rule r{static_cast<int>(rng() % n), static_cast<int>(rng() % n),
                       static_cast<int>(rng() % 7) - 3};
                if (r.i == r.j) r.j = (r.i + 1) % n;
                if (rng() % 3 == 0) {
                    r.offset = 0;
                    b.Post(new NotEqual(xs[r.i], xs[r.j]));
                } else {
                    b.Post(new NotEqualOffset(xs[r.i], xs[r.j], r.offset));
                }
                rules.push_back(r);
            }
            return [rules](const Assignment& a) {
                return std::all_of(rules.begin(), rules.end(),
                                   [&](const Rule& r) { return a[r.i] - a[r.j] != r.offset; });
            };
        };
        for (int mode = 0; mode < 4; ++mode) {
            std::set<Assignment> oracle;
            std::vector<Assignment> inOrder;
            const auto found = Solve(build, mode < 3 ? mode : 0, mode == 3 ? 1 : 0, &oracle, &inOrder);
            EXPECT_EQ(found, oracle) << "mode " << mode << ": solver " << found.size() << " oracle "
                                     << oracle.size();
            if (mode == 0 || mode == 3) {
                EXPECT_EQ(inOrder, std::vector<Assignment>(oracle.begin(), oracle.end())) << "mode " << mode;
            }
        }
    }
}
