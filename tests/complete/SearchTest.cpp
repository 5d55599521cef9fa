#include "complete/CSP.hpp"
#include "complete/GFC.hpp"
#include "complete/GFCStats.hpp"
#include "complete/IntDomainSpec.hpp"
#include "complete/IntVar.hpp"
#include "complete/ReleaseGlobals.hpp"
#include "complete/constraints/AllDifferent.hpp"
#include "complete/constraints/NotEqual.hpp"
#include "complete/induced/MinusOp.hpp"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace GFCLib;

namespace {

// The workbench's queens model: rows differ, and the difference of two rows avoids +-(i - j).
CSP* BuildQueens(int n, std::vector<IntVar*>& rows) {
    auto* csp = new CSP();
    IntDomainSpec::CreateRange("Column", 0, n - 1);
    for (int i = 0; i < n; ++i) {
        auto* v = new IntVar(("Row" + std::to_string(i)).c_str(), "Column");
        csp->AddVariable(v);
        rows.push_back(v);
    }
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            auto* ne = new NotEqual(rows[i], rows[j]);
            csp->GetConstraints().push_back(ne);
            ne->Attach();
            auto* diff = new MinusOp();
            diff->ComputeDomain(rows[i], rows[j]);
            csp->AddVariable(diff);
            for (int d : {i - j, j - i}) {
                auto* c = new Value(d);
                csp->GetValues().push_back(c);
                auto* ne2 = new NotEqual(diff, c);
                csp->GetConstraints().push_back(ne2);
                ne2->Attach();
            }
        }
    return csp;
}

} // namespace

TEST(SearchTest, EightQueensAllOrderings) {
    for (int mode = 0; mode < 4; ++mode) {
        ReleaseGlobals();
        std::vector<IntVar*> rows;
        CSP* csp = BuildQueens(8, rows);
        GFCStats stats;
        GFC search(csp, &stats, false);
        search.SetParameter(1, mode < 3 ? mode : 2);
        search.SetParameter(3, mode == 3 ? 1 : 0);
        std::set<std::vector<int>> found;
        int count = 0;
        while (search.FindNextSolution()) {
            std::vector<int> s;
            for (auto* r : rows)
                s.push_back(r->GetInt());
            for (int i = 0; i < 8; ++i)
                for (int j = i + 1; j < 8; ++j) {
                    ASSERT_NE(s[i], s[j]);
                    ASSERT_NE(std::abs(s[i] - s[j]), j - i);
                }
            found.insert(s);
            ++count;
        }
        EXPECT_EQ(count, 92) << "mode " << mode;
        EXPECT_EQ(found.size(), 92u) << "mode " << mode;
        EXPECT_FALSE(search.FindNextSolution());
        delete csp;
    }
    ReleaseGlobals();
}
