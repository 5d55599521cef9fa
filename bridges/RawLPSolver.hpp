#pragma once
// Solver bridge for problems over real variables: turns the raw problem's real constraints and
// objective into linear rows and runs the two-phase simplex of LPLib on them, once.

#include "bridges/lp/LPConstraint.hpp"
#include "bridges/lp/LPObjective.hpp"
#include "bridges/lp/LPSolver.hpp"
#include "language/raw/RawSolver.hpp"
#include "platform/FatalError.hpp"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace TavBridges {

class RawLPSolver : public TavLanguage::RawSolver {
public:
    // The problem cannot be stated as a linear programme (non-linear term, integer variable,
    // unsupported constraint, missing objective); what() says why.
    class ModelError : public Platform::FatalError {
    public:
        using FatalError::FatalError;
    };

    // Builds the rows and the objective from the problem's real lists; the problem is kept,
    // not owned. Throws ModelError when the problem is not a linear programme.
    explicit RawLPSolver(TavLanguage::RawCSP* problem);
    ~RawLPSolver() override;

    // Ends a running Solve before its next pivot; safe from any thread.
    void Stop() override;
    // Runs the simplex once: true with one solution appended (each real variable's value as a
    // RawFlt, in declaration order, and the cost); false with no solution when the programme is
    // infeasible or unbounded or Stop was called, and when Solve already ran. Shows nothing:
    // message() has the text to show. GetEnd: Optimum, Exhausted (infeasible, or after the
    // optimum), Unbounded, Stopped or GaveUp (the pivot limit, numerical trouble).
    bool Solve() override;
    // Writes "No statistics available for LPSolver\n".
    std::ostream& PrintStatistics(std::ostream& out) override;

    // Text for the user after a failed Solve ("No Solution Found", "Solution Unbounded", ...);
    // empty after success and after Stop.
    const std::string& message() const { return m_message; }
    // Shows that text through the platform's message sink (nothing when it is empty); for the
    // thread that owns the user interface, once the run has ended.
    void reportMessage() const;

    // The translated programme, for inspection.
    int variableCount() const { return m_variableCount; }
    const std::vector<std::unique_ptr<LPLib::LPConstraint>>& rows() const { return m_rows; }
    const LPLib::LPObjective& lpObjective() const { return *m_objective; }
    // Constant part of the objective, added to the reported cost.
    double objectiveConstant() const { return m_objectiveConstant; }

private:
    // sum of coefficient * x[index] over the terms + constant; an index may repeat.
    struct LinearForm {
        std::vector<std::pair<int, double>> terms;
        double constant = 0.0;
        bool hasVariables = false;
        void addScaled(const LinearForm& other, double factor);
    };

    void AddConstraintRows();
    void SetObjectiveFromProblem();
    // The linear row of one raw constraint: all terms moved to the left, the constant to the right.
    std::unique_ptr<LPLib::LPConstraint>
    BuildRow(const TavLanguage::RPtr<TavLanguage::RawExpr>& constraint) const;
    // Adds factor times the linear form of node to form; throws ModelError when the node is not
    // linear in the real variables.
    void CollectTerms(double factor, const TavLanguage::RPtr<TavLanguage::RawExpr>& node,
                      LinearForm& form) const;
    LinearForm formOf(const TavLanguage::RPtr<TavLanguage::RawExpr>& node) const;
    // The dense coefficients of a form over the real variables; throws ModelError unless finite.
    LPLib::CVector coefficientsOf(const LinearForm& form, const TavLanguage::RawExpr& context) const;
    int positionOf(const TavLanguage::RawExpr& variable) const;
    // '<', '>' or '=' for the raw codes of <=, >= and =; throws ModelError for any other.
    static char SenseOf(const TavLanguage::RPtr<TavLanguage::RawExpr>& constraint);

    int m_variableCount = 0;
    std::vector<int> m_position; // raw variable id -> index among the real variables (-1: none)
    std::vector<std::unique_ptr<LPLib::LPConstraint>> m_rows;
    std::unique_ptr<LPLib::LPObjective> m_objective;
    double m_objectiveConstant = 0.0;
    LPLib::LPSolver m_solver;
    bool m_solveStarted = false;
    std::string m_message;
};

} // namespace TavBridges
