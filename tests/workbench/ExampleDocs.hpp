#pragma once
// Small problems built through the model API, as a user builds them in the workbench.

#include "workbench/model/TavModel.hpp"

namespace ExampleDocs {

using namespace TavWorkbench;

// n queens, one per column: q[i] is the row of the queen in column i.
inline void Queens(TavModel& model, int n) {
    model.constants.Add(std::make_unique<CConstant>("N", n));
    model.domains.AddIntDomain("Rows", "", "", "N", 0, 0, {}, 0, -1);
    model.variables.AddVariable("q", CVariable::Type::IntVar, "Rows", 1, "N", {});
    model.constraints.Add(std::make_unique<CConstraint>("diff", "AllDifferent(q);"));
    model.constraints.Add(std::make_unique<CConstraint>(
        "diag",
        "Forall(i in [0..N-1], j in [0..N-1], i < j) { q[i] - q[j] <> j - i; q[j] - q[i] <> j - i; }"));
}

// 0/1 knapsack: the best total value is 51.
inline void Knapsack(TavModel& model) {
    model.domains.AddIntDomain("take", "", "", "", 0, 1, {}, 0, 0);
    model.variables.AddVariable("x", CVariable::Type::IntVar, "take", 1, "", {6});
    model.constraints.Add(std::make_unique<CConstraint>("cap", "scalprod(x, [12, 7, 11, 8, 9, 6]) <= 26;"));
    model.optimisation = {"maximise(scalprod(x, [24, 13, 23, 15, 16, 11]));"};
}

// A production plan over real quantities: the best profit is 21 at x = 3, y = 1.5.
inline void Production(TavModel& model) {
    model.variables.AddVariable("x", CVariable::Type::RealVar, "", 0, "", {});
    model.variables.AddVariable("y", CVariable::Type::RealVar, "", 0, "", {});
    model.constraints.Add(std::make_unique<CConstraint>("c1", "x + 2 * y <= 6;"));
    model.constraints.Add(std::make_unique<CConstraint>("c2", "2 * x + y <= 7.5;"));
    model.constraints.Add(std::make_unique<CConstraint>("c3", "x >= 0;"));
    model.constraints.Add(std::make_unique<CConstraint>("c4", "y >= 0;"));
    model.optimisation = {"maximise(5 * x + 4 * y);"};
}

// One variable that must be 3.
inline void Tiny(TavModel& model) {
    model.domains.AddIntDomain("D", "", "", "", 0, 5, {}, 0, 0);
    model.variables.AddVariable("v", CVariable::Type::IntVar, "D", 0, "", {});
    model.constraints.Add(std::make_unique<CConstraint>("c", "v = 3;"));
}

} // namespace ExampleDocs
