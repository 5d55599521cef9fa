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
inline double evaluate(const TavLanguage::RawExpr& e, const std::map<std::string, double>& values) {
    switch (e.GetType()) {
    case TavLanguage::RawType::FltVar:
        return values.at(e.GetName());
    case TavLanguage::RawType::IntVal:
    case TavLanguage::RawType::FltVal:
        return e.GetFlt();
    case TavLanguage::RawType::Plus:
        return evaluate(*e.GetArg(0), values) + evaluate(*e.GetArg(1), values);
    case TavLanguage::RawType::Minus:
        return e.GetArgCount() == 1 ? -evaluate(*e.GetArg(0), values)
                                    : evaluate(*e.GetArg(0), values) - evaluate(*e.GetArg(1), values);
    case TavLanguage::RawType::Times:
        return evaluate(*e.GetArg(0), values) * evaluate(*e.GetArg(1), values);
    case TavLanguage::RawType::Divide:
        return evaluate(*e.GetArg(0), values) / evaluate(*e.GetArg(1), values);
    default:
        ADD_FAILURE() << "cannot evaluate " << e.ToString();
        return 0.0;
    }
}

// Checks the bridge's one solution against every raw constraint and the raw objective.
inline void verifySolution(const TavBridges::RawLPSolver& solver, const TavLanguage::RawCSP& csp) {
    ASSERT_EQ(solver.GetSolutions().GetCount(), 1);
    const TavLanguage::RawSolution& s = solver.GetSolutions().GetSolution(0);
    ASSERT_EQ(s.GetSize(), static_cast<int>(csp.GetRealVariables().size()));
    std::map<std::string, double> values;
    for (int i = 0; i < s.GetSize(); ++i) {
        const TavLanguage::RawLabel& label = s.GetLabel(i);
        EXPECT_EQ(label.GetName(), csp.GetRealVariables()[static_cast<std::size_t>(i)]->GetName());
        EXPECT_EQ(label.GetValue()->GetType(), TavLanguage::RawType::FltVal);
        values[label.GetName()] = label.GetValue()->GetFlt();
        EXPECT_GE(values[label.GetName()], -1e-9);
    }
    for (const auto& c : csp.GetRealConstraints()) {
        const double l = evaluate(*c->GetArg(0), values), r = evaluate(*c->GetArg(1), values);
        const double tol = 1e-7 * (1 + std::abs(r));
        if (c->GetType() == TavLanguage::RawType::LessEqual) {
            EXPECT_LE(l, r + tol) << c->ToString();
        } else if (c->GetType() == TavLanguage::RawType::GreaterEqual) {
            EXPECT_GE(l, r - tol) << c->ToString();
        } else {
            EXPECT_EQ(c->GetType(), TavLanguage::RawType::Equal);
            EXPECT_NEAR(l, r, tol) << c->ToString();
        }
    }
    EXPECT_EQ(s.GetCost().GetName(), "cost");
    EXPECT_NEAR(s.GetCost().GetValue()->GetFlt(), evaluate(*csp.GetRealObjective()->GetExpression(), values),
                1e-7);
}

} // namespace RawLPCheck
