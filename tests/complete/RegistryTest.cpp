// Several problems side by side: each has its own registry of domain domain descriptions and id counters, so
// problems built on one thread and solved on others, or built and solved on their own threads,
// give the answers they give alone.

#include "complete/Registry.hpp"
#include "complete/CSP.hpp"
#include "complete/GFC.hpp"
#include "complete/IntDomainSpec.hpp"
#include "complete/IntVar.hpp"
#include "complete/ReleaseGlobals.hpp"
#include "complete/SetDomSpec.hpp"
#include "complete/constraints/NotEqual.hpp"
#include "complete/induced/MinusOp.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

using namespace GFCLib;

namespace {

// A problem with its registry: the registry is made first and freed last.
struct Built {
    std::unique_ptr<Registry> registry = std::make_unique<Registry>();
    std::unique_ptr<CSP> csp;
    std::vector<IntVar*> rows;
};

void Post(CSP& csp, Constraint* c) {
    csp.GetConstraints().push_back(c);
    c->Attach();
}

// n queens over a domain named "Column" in the built problem's own registry.
Built BuildQueens(int n) {
    Built b;
    Registry::Scope scope(*b.registry);
    b.csp = std::make_unique<CSP>();
    IntDomainSpec::CreateRange("Column", 0, n - 1);
    for (int i = 0; i < n; ++i) {
        auto* v = new IntVar(("q" + std::to_string(i)).c_str(), "Column");
        b.csp->AddVariable(v);
        b.rows.push_back(v);
    }
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            Post(*b.csp, new NotEqual(b.rows[i], b.rows[j]));
            auto* diff = new MinusOp();
            diff->ComputeDomain(b.rows[i], b.rows[j]);
            b.csp->AddVariable(diff);
            for (int d : {i - j, j - i}) {
                auto* c = new Value(d);
                b.csp->GetValues().push_back(c);
                Post(*b.csp, new NotEqual(diff, c));
            }
        }
    return b;
}

using Solutions = std::vector<std::vector<int>>;

// Every solution in the order found, under the given ordering (chronological backtracking).
Solutions SolveAll(Built& b, int ordering) {
    GFC search(b.csp.get(), nullptr, false);
    search.SetParameter(1, ordering);
    Solutions found;
    while (search.FindNextSolution()) {
        std::vector<int> s;
        for (auto* r : b.rows)
            s.push_back(r->GetInt());
        found.push_back(s);
    }
    return found;
}

} // namespace

TEST(RegistryTest, EachRegistryHasItsOwnSpecsAndIds) {
    Registry first;
    Registry second;
    std::unique_ptr<IntVar> a;
    {
        Registry::Scope scope(first);
        IntDomainSpec::CreateRange("D", 0, 3);
        a = std::make_unique<IntVar>("a", "D");
        SetDomSpec::Create("S", {Value(1)});
    }
    {
        Registry::Scope scope(second);
        EXPECT_EQ(IntDomainSpec::Find("D"), nullptr);
        EXPECT_EQ(SetDomSpec::Find("S"), nullptr);
        IntDomainSpec::CreateRange("D", 5, 6);
        EXPECT_EQ(IntVar("b", "D").GetDomainSize(), 2);
        EXPECT_NE(IntDomainSpec::BoolSpec(), first.BoolSpec());
        // A fresh start here leaves the other registry alone.
        ReleaseGlobals();
        EXPECT_EQ(IntDomainSpec::Find("D"), nullptr);
        EXPECT_EQ(Variable::GetIdCounter(), 0);
    }
    EXPECT_EQ(a->GetId(), 0);
    EXPECT_EQ(a->GetDomainSize(), 4);
    EXPECT_EQ(first.FindInt("D"), a->GetIntSpec());
    {
        // Scopes nest, and the outer registry is current again afterwards.
        Registry::Scope outer(first);
        {
            Registry::Scope inner(second);
            EXPECT_EQ(&Registry::Current(), &second);
        }
        EXPECT_EQ(&Registry::Current(), &first);
        EXPECT_EQ(IntVar().GetId(), 1);
    }
    // The variable goes before its registry.
    a.reset();
}

TEST(RegistryTest, ProblemsSolvedOnTwoThreadsAtOnceGiveTheAnswersTheyGiveAlone) {
    // Alone, one after the other.
    Built eight = BuildQueens(8);
    Built seven = BuildQueens(7);
    const Solutions eightAlone = SolveAll(eight, 0);
    const Solutions sevenAlone = SolveAll(seven, 2);
    ASSERT_EQ(eightAlone.size(), 92u);
    ASSERT_EQ(sevenAlone.size(), 40u);

    // Built side by side on this thread, solved on two threads at once, while a third problem
    // is built and solved on a thread of its own.
    Built eightAgain = BuildQueens(8);
    Built sevenAgain = BuildQueens(7);
    Solutions eightTogether;
    Solutions sevenTogether;
    Solutions sixOwnThread;
    std::thread a([&] { eightTogether = SolveAll(eightAgain, 0); });
    std::thread b([&] { sevenTogether = SolveAll(sevenAgain, 2); });
    std::thread c([&] {
        Built six = BuildQueens(6);
        sixOwnThread = SolveAll(six, 0);
    });
    a.join();
    b.join();
    c.join();
    EXPECT_EQ(eightTogether, eightAlone);
    EXPECT_EQ(sevenTogether, sevenAlone);
    EXPECT_EQ(sixOwnThread.size(), 4u);
    // The ids of each problem started afresh.
    EXPECT_EQ(eightAgain.rows.front()->GetId(), 0);
    EXPECT_EQ(sevenAgain.rows.front()->GetId(), 0);
}
