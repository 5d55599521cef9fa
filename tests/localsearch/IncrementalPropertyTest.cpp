// Incremental evaluation against recomputation: random models of every node family receive
// thousands of random assignments with propagation, and after each one every node must agree
// with the same node of a copy of the model that is initialised afresh from the assignment.

#include "ModelFixture.hpp"

#include "localsearch/IntListDom.hpp"
#include "localsearch/SetVar.hpp"
#include "localsearch/SoftCon.hpp"
#include "localsearch/cons/AllDifferent.hpp"
#include "localsearch/cons/Element.hpp"
#include "localsearch/cons/Equals.hpp"
#include "localsearch/cons/GreaterThan.hpp"
#include "localsearch/cons/GreaterThanEquals.hpp"
#include "localsearch/cons/Member.hpp"
#include "localsearch/cons/NotEquals.hpp"
#include "localsearch/cons/Sequence.hpp"
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
#include "localsearch/logic/And.hpp"
#include "localsearch/logic/Iff.hpp"
#include "localsearch/logic/Implies.hpp"
#include "localsearch/logic/Not.hpp"
#include "localsearch/logic/Or.hpp"
#include "localsearch/logic/Xor.hpp"
#include "localsearch/search/NoGood.hpp"
#include "localsearch/sets/AllDisjoint.hpp"
#include "localsearch/sets/Intersection.hpp"
#include "localsearch/sets/SetVal.hpp"
#include "localsearch/sets/Subset.hpp"
#include "localsearch/sets/Union.hpp"

#include <random>
#include <string>
#include <vector>

using namespace GLSLib;
using GLSLibTest::ModelTest;
using GLSLibTest::Str;

namespace {

enum class Kind {
    // integer expressions
    Plus,
    Minus,
    Times,
    Div,
    Mod,
    Abs,
    Power,
    Index,
    Sum,
    ScalProd,
    Min,
    Max,
    Count,
    Card,
    ConAsInt,
    // constraints
    Equals,
    Greater,
    GreaterEq,
    NotEq,
    Element,
    Member,
    Sequence,
    AllDiff,
    Subset,
    AllDisjoint,
    And,
    Or,
    Not,
    Implies,
    Iff,
    Xor,
    Soft,
    NoGood,
    // set expressions
    Union,
    Intersection,
};

struct Family {
    const char* name;
    std::vector<Kind> ints;
    std::vector<Kind> cons;
    std::vector<Kind> sets;
};

// Names the family in test output.
void PrintTo(const Family& family, std::ostream* os) {
    *os << family.name;
}

// One model: its assignable variables (integer and set elements) and every node in creation
// order, so that two models built from one seed correspond node by node.
struct Model {
    std::vector<IntVar*> variables;
    std::vector<ExprObj*> nodes;
};

class Builder {
public:
    Builder(const Family& family, unsigned seed) : m_family(family), m_rng(seed) {}

    Model Build() {
        auto* range = new IntRangeDom("r", -3, 3);
        auto* list = new IntListDom("l", {-2, 0, 1, 5});
        auto* small = new IntRangeDom("s", 0, 2);
        IntDom* domains[] = {range, range, list, small};
        for (int i = 0; i < 4; ++i) {
            auto* v = new IntVar(("v" + std::to_string(i)).c_str(), domains[i]);
            m_vars.push_back(v);
            Add(v);
            m_model.variables.push_back(v);
        }
        m_sets.push_back(Add(new SetVar("s0", {0, 1, 2, 3})));
        m_sets.push_back(Add(new SetVar("s1", {2, 3, 5})));
        for (SetVar* s : m_sets)
            for (unsigned i = 0; i < s->NumArgs(); ++i)
                m_model.variables.push_back(static_cast<IntVar*>(s->GetArg(static_cast<int>(i))));
        for (int i = 0; i < 3; ++i)
            Cons(3);
        for (int i = 0; i < 2; ++i)
            Int(3);
        return m_model;
    }

private:
    int R(int n) { return static_cast<int>(m_rng() % static_cast<unsigned>(n)); }
    template <class T> T* Add(T* node) {
        m_model.nodes.push_back(node);
        return node;
    }
    std::vector<int> Values(int minCount, int maxCount) {
        std::vector<int> values(static_cast<unsigned>(minCount + R(maxCount - minCount + 1)));
        for (int& v : values)
            v = R(9) - 4;
        return values;
    }
    std::vector<IntObj*> Ints(int depth, int minCount, int maxCount) {
        std::vector<IntObj*> args;
        const int n = minCount + R(maxCount - minCount + 1);
        for (int i = 0; i < n; ++i)
            args.push_back(Int(depth));
        return args;
    }
    std::vector<SetObj*> Sets(int depth, int minCount, int maxCount) {
        std::vector<SetObj*> args;
        const int n = minCount + R(maxCount - minCount + 1);
        for (int i = 0; i < n; ++i)
            args.push_back(Set(depth));
        return args;
    }
    std::vector<Con*> ConList(int depth, int minCount, int maxCount) {
        std::vector<Con*> args;
        const int n = minCount + R(maxCount - minCount + 1);
        for (int i = 0; i < n; ++i)
            args.push_back(Cons(depth));
        return args;
    }

    IntObj* Int(int depth) {
        if (!m_intPool.empty() && R(100) < 15)
            return m_intPool[static_cast<unsigned>(R(static_cast<int>(m_intPool.size())))];
        IntObj* e = nullptr;
        if (depth == 0 || m_family.ints.empty() || R(100) < 25) {
            e = R(100) < 75 ? static_cast<IntObj*>(m_vars[static_cast<unsigned>(R(4))])
                            : Add(new IntVal(R(7) - 3));
        } else {
            const int d = depth - 1;
            switch (m_family.ints[static_cast<unsigned>(R(static_cast<int>(m_family.ints.size())))]) {
            case Kind::Plus: {
                IntObj* a = Int(d);
                IntObj* b = Int(d);
                e = Add(new PlusOp(a, b));
                break;
            }
            case Kind::Minus: {
                IntObj* a = Int(d);
                IntObj* b = Int(d);
                e = Add(new MinusOp(a, b));
                break;
            }
            case Kind::Times: {
                IntObj* a = Int(d);
                IntObj* b = Int(d);
                e = Add(new TimesOp(a, b));
                break;
            }
            case Kind::Div: {
                IntObj* a = Int(d);
                IntObj* b = Int(d);
                e = Add(new DivOp(a, b));
                break;
            }
            case Kind::Mod: {
                IntObj* a = Int(d);
                IntObj* b = Int(d);
                e = Add(new ModOp(a, b));
                break;
            }
            case Kind::Abs:
                e = Add(new AbsOp(Int(d)));
                break;
            case Kind::Power: {
                IntObj* a = Int(d);
                e = Add(new Power(a, Add(new IntVal(R(4) - 1))));
                break;
            }
            case Kind::Index: {
                IntObj* a = Int(d);
                e = Add(new IndexOp(a, Values(1, 4)));
                break;
            }
            case Kind::Sum:
                e = Add(new Sum(Ints(d, 0, 4)));
                break;
            case Kind::ScalProd: {
                std::vector<IntObj*> args = Ints(d, 0, 4);
                std::vector<int> coefficients(args.size());
                for (int& c : coefficients)
                    c = R(7) - 3;
                e = Add(new ScalProd(args, coefficients));
                break;
            }
            case Kind::Min:
                e = Add(new Minimum(Ints(d, 0, 3)));
                break;
            case Kind::Max:
                e = Add(new Maximum(Ints(d, 0, 3)));
                break;
            case Kind::Count: {
                std::vector<IntObj*> args = Ints(d, 0, 4);
                e = Add(new CountOp(args, Values(0, 3)));
                break;
            }
            case Kind::Card:
                e = Add(new Cardinality(Set(d)));
                break;
            case Kind::ConAsInt:
                e = Cons(d);
                break;
            default:
                break;
            }
        }
        m_intPool.push_back(e);
        return e;
    }

    Con* Cons(int depth) {
        const int d = depth > 0 ? depth - 1 : 0;
        Kind kind = m_family.cons[static_cast<unsigned>(R(static_cast<int>(m_family.cons.size())))];
        const bool logical = kind == Kind::And || kind == Kind::Or || kind == Kind::Not ||
                             kind == Kind::Implies || kind == Kind::Iff || kind == Kind::Xor ||
                             kind == Kind::Soft;
        if (logical && depth == 0) kind = Kind::NotEq;
        switch (kind) {
        case Kind::Equals: {
            IntObj* a = Int(d);
            IntObj* b = Int(d);
            return Add(new Equals(a, b));
        }
        case Kind::Greater: {
            IntObj* a = Int(d);
            IntObj* b = Int(d);
            return Add(new GreaterThan(a, b));
        }
        case Kind::GreaterEq: {
            IntObj* a = Int(d);
            IntObj* b = Int(d);
            return Add(new GreaterThanEquals(a, b));
        }
        case Kind::Element: {
            IntObj* a = Int(d);
            std::vector<int> values = Values(1, 4);
            IntObj* b = Int(d);
            return Add(new Element(a, values, b));
        }
        case Kind::Member: {
            IntObj* a = Int(d);
            SetObj* s = Set(d);
            return Add(new Member(a, s));
        }
        case Kind::Sequence: {
            std::vector<IntObj*> args = Ints(d, 1, 4);
            return Add(new Sequence(args, Values(0, 4)));
        }
        case Kind::AllDiff:
            return Add(new AllDifferent(Ints(d, 0, 5)));
        case Kind::Subset: {
            SetObj* a = Set(d);
            SetObj* b = Set(d);
            return Add(new Subset(a, b));
        }
        case Kind::AllDisjoint:
            return Add(new AllDisjoint(Sets(d, 0, 3)));
        case Kind::And:
            if (R(2)) {
                Con* a = Cons(d);
                Con* b = Cons(d);
                return Add(new And(a, b));
            }
            return Add(new And(ConList(d, 0, 3)));
        case Kind::Or:
            if (R(2)) {
                Con* a = Cons(d);
                Con* b = Cons(d);
                return Add(new Or(a, b));
            }
            return Add(new Or(ConList(d, 0, 3)));
        case Kind::Not:
            return Add(new Not(R(3) ? static_cast<IntObj*>(Cons(d)) : Int(d)));
        case Kind::Implies: {
            Con* a = Cons(d);
            Con* b = Cons(d);
            return Add(new Implies(a, b));
        }
        case Kind::Iff: {
            Con* a = Cons(d);
            Con* b = Cons(d);
            return Add(new Iff(a, b));
        }
        case Kind::Xor: {
            Con* a = Cons(d);
            Con* b = Cons(d);
            return Add(new Xor(a, b));
        }
        case Kind::Soft:
            return Add(new SoftCon(Cons(d), 1 + R(5)));
        case Kind::NoGood: {
            // Forbidden values near the variables' domains, so that the forbidden assignment
            // is met now and then.
            std::vector<IntObj*> args = Ints(d, 0, 3);
            std::vector<int> forbidden(args.size());
            for (int& v : forbidden)
                v = R(5) - 2;
            return Add(new GLSLib::NoGood(args, forbidden));
        }
        default: {
            IntObj* a = Int(d);
            IntObj* b = Int(d);
            return Add(new NotEquals(a, b));
        }
        }
    }

    SetObj* Set(int depth) {
        if (depth == 0 || m_family.sets.empty() || R(100) < 40) {
            if (R(100) < 80) return m_sets[static_cast<unsigned>(R(2))];
            return Add(new SetVal(Values(0, 3)));
        }
        std::vector<SetObj*> args = Sets(depth - 1, 1, 3);
        if (m_family.sets[static_cast<unsigned>(R(static_cast<int>(m_family.sets.size())))] == Kind::Union)
            return Add(new Union(args));
        return Add(new Intersection(args));
    }

    const Family& m_family;
    std::mt19937 m_rng;
    Model m_model;
    std::vector<IntVar*> m_vars;
    std::vector<SetVar*> m_sets;
    std::vector<IntObj*> m_intPool;
};

void InitialiseRoots(const Model& m) {
    for (ExprObj* node : m.nodes)
        if (node->NumDependents() == 0) node->Initialise();
}

// What a node shows to its readers, as text, so that two nodes compare in one step.
std::string State(ExprObj* node) {
    std::string state;
    if (auto* e = dynamic_cast<IntObj*>(node)) {
        try {
            state += "value " + std::to_string(e->GetValue());
        } catch (const Obj::Undef&) {
            state += "undefined";
        }
        state += " bounds " + std::to_string(e->GetMin()) + ".." + std::to_string(e->GetMax());
    }
    if (auto* c = dynamic_cast<Con*>(node)) {
        state +=
            " violation " + std::to_string(c->GetViolation()) + (c->IsViolated() ? " violated" : " holds");
    }
    if (auto* s = dynamic_cast<SetObj*>(node)) {
        state += "members " + std::to_string(s->NumMembers()) + " {";
        for (int i = 0; i < s->NumValues(); ++i)
            state += (s->IsMember(i) ? "+" : "-") + std::to_string(s->ValueAt(i)) +
                     (s->ContainsValue(s->ValueAt(i)) ? "c " : "n ");
        state += "}";
    }
    return state;
}

const Family kFamilies[] = {
    {"arithmetic",
     {Kind::Plus, Kind::Minus, Kind::Times, Kind::Div, Kind::Mod, Kind::Abs, Kind::Power},
     {Kind::Equals, Kind::Greater, Kind::GreaterEq, Kind::NotEq},
     {}},
    {"aggregates",
     {Kind::Sum, Kind::ScalProd, Kind::Min, Kind::Max, Kind::Count, Kind::Div, Kind::Plus},
     {Kind::Equals, Kind::NotEq, Kind::GreaterEq},
     {}},
    {"index", {Kind::Index, Kind::Plus, Kind::Sum}, {Kind::Equals, Kind::Element}, {}},
    {"count", {Kind::Count, Kind::Sum, Kind::Mod}, {Kind::NotEq, Kind::Greater}, {}},
    {"scalprod", {Kind::ScalProd, Kind::Div, Kind::Minus}, {Kind::Equals, Kind::GreaterEq}, {}},
    {"sequence", {Kind::Plus, Kind::Div, Kind::ConAsInt, Kind::Sum}, {Kind::Sequence, Kind::NotEq}, {}},
    {"element", {Kind::Index, Kind::Abs}, {Kind::Element, Kind::Equals}, {}},
    {"member", {Kind::Card, Kind::Plus, Kind::Div}, {Kind::Member, Kind::Equals}, {}},
    {"sets",
     {Kind::Card, Kind::Sum},
     {Kind::Subset, Kind::AllDisjoint, Kind::Member, Kind::Equals},
     {Kind::Union, Kind::Intersection}},
    {"logic",
     {Kind::ConAsInt, Kind::Sum, Kind::Div},
     {Kind::And, Kind::Or, Kind::Not, Kind::Implies, Kind::Iff, Kind::Xor, Kind::Soft, Kind::NotEq,
      Kind::Equals, Kind::Sequence},
     {}},
    {"nogood",
     {Kind::Plus, Kind::ConAsInt, Kind::Abs},
     {Kind::NoGood, Kind::Not, Kind::And, Kind::NotEq},
     {}},
    {"alldifferent",
     {Kind::Plus, Kind::Div, Kind::ConAsInt, Kind::Sum},
     {Kind::AllDiff, Kind::Not, Kind::And},
     {}},
    {"everything",
     {Kind::Plus, Kind::Minus, Kind::Times, Kind::Div, Kind::Mod, Kind::Abs, Kind::Power, Kind::Index,
      Kind::Sum, Kind::ScalProd, Kind::Min, Kind::Max, Kind::Count, Kind::Card, Kind::ConAsInt},
     {Kind::Equals, Kind::Greater, Kind::GreaterEq, Kind::NotEq, Kind::Element, Kind::Member, Kind::Sequence,
      Kind::AllDiff, Kind::Subset, Kind::AllDisjoint, Kind::And, Kind::Or, Kind::Not, Kind::Implies,
      Kind::Iff, Kind::Xor, Kind::Soft, Kind::NoGood},
     {Kind::Union, Kind::Intersection}},
};

class IncrementalPropertyTest : public ModelTest, public ::testing::WithParamInterface<Family> {};

TEST_P(IncrementalPropertyTest, EveryNodeAgreesWithAFreshlyInitialisedCopy) {
    const Family& family = GetParam();
    constexpr int kModels = 12;
    constexpr int kSteps = 300;
    for (int m = 0; m < kModels; ++m) {
        const unsigned seed = 1000u * static_cast<unsigned>(m) + 17u;
        SCOPED_TRACE(std::string("family ") + family.name + ", seed " + std::to_string(seed));
        const Model incremental = Builder(family, seed).Build();
        const Model fresh = Builder(family, seed).Build();
        ASSERT_EQ(incremental.nodes.size(), fresh.nodes.size());
        std::mt19937 moves(seed * 7919u);
        for (IntVar* v : incremental.variables)
            v->SetValueIndex(static_cast<int>(moves() % static_cast<unsigned>(v->DomainSize())));
        InitialiseRoots(incremental);
        for (int step = 0; step < kSteps; ++step) {
            const unsigned k = moves() % incremental.variables.size();
            IntVar* v = incremental.variables[k];
            v->Assign(static_cast<int>(moves() % static_cast<unsigned>(v->DomainSize())));
            for (std::size_t i = 0; i < fresh.variables.size(); ++i)
                fresh.variables[i]->SetValueIndex(incremental.variables[i]->GetValueIndex());
            InitialiseRoots(fresh);
            for (std::size_t i = 0; i < fresh.nodes.size(); ++i) {
                const std::string expected = State(fresh.nodes[i]);
                const std::string actual = State(incremental.nodes[i]);
                if (expected != actual) {
                    ADD_FAILURE() << "step " << step << ", node " << i << " " << Str(*fresh.nodes[i])
                                  << "\n  fresh:       " << expected << "\n  incremental: " << actual;
                    return;
                }
            }
        }
        Obj::DeleteAll();
    }
}

INSTANTIATE_TEST_SUITE_P(Families, IncrementalPropertyTest, ::testing::ValuesIn(kFamilies),
                         [](const ::testing::TestParamInfo<Family>& family) {
                             return std::string(family.param.name);
                         });

} // namespace
