#pragma once
// Judges a solution of the linear-programming bridge without the bridge: every raw constraint
// and the raw objective are evaluated under the solution's values.

#include "bridges/RawLPSolver.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace RawLPCheck {

// Evaluates a raw arithmetic expression under the given values, independently of the bridge.
inline double evaluate(const RawExpr& e, const std::map<std::string, double>& values) {
    switch (e.GetType()) {
    case RawType::FltVar:
        return values.at(e.GetName());
    case RawType::IntVal:
    case RawType::FltVal:
        return e.GetFlt();
    case RawType::Plus:
        return evaluate(*e.GetArg(0), values) + evaluate(*e.GetArg(1), values);
    case RawType::Minus:
        return e.GetArgCount() == 1 ? -evaluate(*e.GetArg(0), values)
                                    : evaluate(*e.GetArg(0), values) - evaluate(*e.GetArg(1), values);
    case RawType::Times:
        return evaluate(*e.GetArg(0), values) * evaluate(*e.GetArg(1), values);
    case RawType::Divide:
        return evaluate(*e.GetArg(0), values) / evaluate(*e.GetArg(1), values);
    default:
        ADD_FAILURE() << "cannot evaluate " << e.ToString();
        return 0.0;
    }
}

// Checks the bridge's one solution against every raw constraint and the raw objective.
inline void verifySolution(const RawLPSolver& solver, const RawCSP& csp) {
    ASSERT_EQ(solver.GetSolutions().GetCount(), 1);
    const RawSolution& s = solver.GetSolutions().GetSolution(0);
    ASSERT_EQ(s.GetSize(), static_cast<int>(csp.GetRealVariables().size()));
    std::map<std::string, double> values;
    for (int i = 0; i < s.GetSize(); ++i) {
        const RawLabel& label = s.GetLabel(i);
        EXPECT_EQ(label.GetName(), csp.GetRealVariables()[static_cast<std::size_t>(i)]->GetName());
        EXPECT_EQ(label.GetValue()->GetType(), RawType::FltVal);
        values[label.GetName()] = label.GetValue()->GetFlt();
        EXPECT_GE(values[label.GetName()], -1e-9);
    }
    for (const auto& c : csp.GetRealConstraints()) {
        const double l = evaluate(*c->GetArg(0), values), r = evaluate(*c->GetArg(1), values);
        const double tol = 1e-7 * (1 + std::abs(r));
        if (c->GetType() == RawType::LessEqual) {
            EXPECT_LE(l, r + tol) << c->ToString();
        } else if (c->GetType() == RawType::GreaterEqual) {
            EXPECT_GE(l, r - tol) << c->ToString();
        } else {
            EXPECT_EQ(c->GetType(), RawType::Equal);
            EXPECT_NEAR(l, r, tol) << c->ToString();
        }
    }
    EXPECT_EQ(s.GetCost().GetName(), "cost");
    EXPECT_NEAR(s.GetCost().GetValue()->GetFlt(), evaluate(*csp.GetRealObjective()->GetExpression(), values),
                1e-7);
}

} // namespace RawLPCheck
