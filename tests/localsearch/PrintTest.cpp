// The printed form of every node of the model.

#include "ModelFixture.hpp"

#include "localsearch/IntListDom.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/SetDom.hpp"
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
#include "localsearch/sets/AllDisjoint.hpp"
#include "localsearch/sets/Intersection.hpp"
#include "localsearch/sets/SetVal.hpp"
#include "localsearch/sets/Subset.hpp"
#include "localsearch/sets/Union.hpp"

#include <functional>

using namespace GLSLib;
using GLSLibTest::ModelTest;
using GLSLibTest::Str;

using PrintTest = ModelTest;

TEST_F(PrintTest, EveryNodeKind) {
    IntVar* x = Var(0, 9, 1, "x");
    IntVar* y = Var(0, 9, 2, "y");
    auto* s = new SetVar("s", {1, 2});
    auto* t = new SetVar("t", {2});
    Con* eq = new Equals(x, y);
    Con* ne = new NotEquals(x, y);
    Con* gt = new GreaterThan(x, y);
    struct Case {
        const Obj* node;
        const char* expected;
    };
    const Case cases[] = {
        {new IntVal(-5), "-5"},
        {new IntVar("u", new IntRangeDom("d", 0, 1)), "u"},
        {x, "<x,1>"},
        {new IntRangeDom("digits", 0, 9), "digits"},
        {new IntListDom("odd", {3, 1}), "odd"},
        {new SetDom("sd", {5, 2, 9}), "{5,2,9}"},
        {s, "s"},
        {new PlusOp(x, y), "(<x,1>+<y,2>)"},
        {new MinusOp(x, y), "(<x,1>-<y,2>)"},
        {new TimesOp(x, y), "(<x,1>*<y,2>)"},
        {new DivOp(x, y), "(<x,1>/<y,2>)"},
        {new ModOp(x, y), "(<x,1>%<y,2>)"},
        {new AbsOp(x), "Abs(<x,1>)"},
        {new Power(x, new IntVal(3)), "Power(<x,1>)"},
        {new IndexOp(x, {4, 5}), "Index(<x,1>)"},
        {new Sum({x, y}), "Sum([<x,1>,<y,2>])"},
        {new ScalProd({x, y}, {2, 3}), "ScalProd([<x,1>,<y,2>])"},
        {new Minimum({x, y}), "Minimum([<x,1>,<y,2>])"},
        {new Maximum({x, y}), "Maximum([<x,1>,<y,2>])"},
        {new CountOp({x, y}, {3, 1, 3}), "Count([<x,1>,<y,2>],[1,3])"},
        {new Cardinality(new SetVal({1, 2})), "2"},
        {eq, "<x,1>=<y,2>"},
        {ne, "<x,1><><y,2>"},
        {gt, "<x,1>><y,2>"},
        {new GreaterThanEquals(x, y), "<x,1>>=<y,2>"},
        {new Element(x, {5, 6}, y), "Element(<x,1>[5,6],<y,2>)"},
        {new Member(x, s), "Member(<x,1>,s)"},
        {new Sequence({x, y}, {1, 2}), "Sequence([<x,1>,<y,2>])"},
        {new AllDifferent({x, y}), "AllDifferent([<x,1>,<y,2>])"},
        {new SetVal({3, 1, 3}), "{1,3}\n"},
        {new Union({s, t}), "Union([s,t])"},
        {new Intersection({s, t}), "Intersection([s,t])"},
        {new Subset(s, t), "Subset(s,t)"},
        {new AllDisjoint({s, t}), "AllDisjoint([s,t])"},
        {new And(eq, ne), "(<x,1>=<y,2>AND<x,1><><y,2>)"},
        {new And(std::vector<Con*>{eq, ne, gt}), "AND([<x,1>=<y,2>,<x,1><><y,2>,<x,1>><y,2>])"},
        {new Or(eq, ne), "(<x,1>=<y,2>OR<x,1><><y,2>)"},
        {new Or(std::vector<Con*>{}), "OR([])"},
        {new Implies(eq, ne), "(<x,1>=<y,2>IMPLIES<x,1><><y,2>)"},
        {new Iff(eq, ne), "(<x,1>=<y,2>IFF<x,1><><y,2>)"},
        {new Xor(eq, ne), "(<x,1>=<y,2>XOR<x,1><><y,2>)"},
        {new Not(eq), "NOT(<x,1>=<y,2>)"},
        {new Minimise(x), "Minimise(<x,1>)\n"},
        {new SoftCon(ne, 4), "1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Str(*c.node), c.expected);
    std::ostringstream os;
    eq->PrintTo(os);
    EXPECT_EQ(os.str(), "<x,1>=<y,2>");
    std::ostringstream none;
    eq->PrintViolation(none);
    EXPECT_EQ(none.str(), "");
    // One node of every kind is alive here; freeing them all leaves nothing behind (the leak
    // sanitizer build checks that their own storage goes too).
    Obj::DeleteAll();
    EXPECT_EQ(Obj::RegistrySize(), 0u);
}
