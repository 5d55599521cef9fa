#include "bridges/RawLPSolver.hpp"

#include "language/raw/RawCompound.hpp"
#include "language/raw/RawFlt.hpp"
#include "platform/MessageSink.hpp"

#include <cmath>
#include <ostream>
#include <utility>

using namespace TavLanguage;

namespace TavBridges {

namespace {

const std::string kNotLinear = "Not a linear problem: ";

[[noreturn]] void refuse(const std::string& why) {
    throw RawLPSolver::ModelError(kNotLinear + why);
}

bool isNumber(const RawExpr& node) {
    return node.GetType() == RawType::IntVal || node.GetType() == RawType::FltVal;
}

bool isDecisionVariableKind(RawType type) {
    return type == RawType::BoolVar || type == RawType::IntVar || type == RawType::SetVar ||
           type == RawType::StrVar;
}

} // namespace

void RawLPSolver::LinearForm::addScaled(const LinearForm& other, double factor) {
    for (const auto& [index, coefficient] : other.terms)
        terms.emplace_back(index, factor * coefficient);
    constant += factor * other.constant;
    hasVariables = hasVariables || other.hasVariables;
}

RawLPSolver::RawLPSolver(RawCSP* problem) : RawSolver(problem) {
    if (problem == nullptr) throw ModelError("No problem to solve");
    const auto& variables = problem->GetRealVariables();
    m_variableCount = static_cast<int>(variables.size());
    for (int i = 0; i < m_variableCount; ++i) {
        const int id = variables[static_cast<std::size_t>(i)]->GetId();
        if (id < 0) continue; // found by no lookup: refused when a constraint uses it
        if (static_cast<std::size_t>(id) >= m_position.size())
            m_position.resize(static_cast<std::size_t>(id) + 1, -1);
        if (m_position[static_cast<std::size_t>(id)] < 0) m_position[static_cast<std::size_t>(id)] = i;
    }
    if (m_variableCount == 0) refuse("the problem has no real variables");
    if (!problem->GetConstraints().empty()) refuse("constraints posted before the real variables");
    if (problem->HasSoftConstraints()) refuse("soft constraints cannot be solved by the linear solver");
    AddConstraintRows();
    SetObjectiveFromProblem();
}

RawLPSolver::~RawLPSolver() = default;

void RawLPSolver::AddConstraintRows() {
    for (const RPtr<RawCon>& constraint : m_problem->GetRealConstraints())
        m_rows.push_back(BuildRow(constraint));
}

void RawLPSolver::SetObjectiveFromProblem() {
    const RPtr<RawOpt>& objective = m_problem->GetRealObjective();
    if (!objective) refuse("there is no objective to minimise or maximise");
    const LinearForm form = formOf(objective->GetExpression());
    m_objectiveConstant = form.constant;
    if (!std::isfinite(m_objectiveConstant)) refuse("a number out of range in " + objective->ToString());
    m_objective =
        std::make_unique<LPLib::LPObjective>(coefficientsOf(form, *objective), objective->IsMinimise());
}

char RawLPSolver::SenseOf(const RPtr<RawExpr>& constraint) {
    switch (constraint->GetType()) {
    case RawType::Equal:
        return LPLib::LPConstraint::kEqual;
    case RawType::GreaterEqual:
        return LPLib::LPConstraint::kAtLeast;
    case RawType::LessEqual:
        return LPLib::LPConstraint::kAtMost;
    default:
        refuse("the constraint " + constraint->ToString() + " is not an =, <= or >= comparison");
    }
}

std::unique_ptr<LPLib::LPConstraint> RawLPSolver::BuildRow(const RPtr<RawExpr>& constraint) const {
    const char sense = SenseOf(constraint);
    if (constraint->GetArgCount() != 2)
        refuse("the constraint " + constraint->ToString() + " has no two sides");
    LinearForm form = formOf(constraint->GetArg(0));
    form.addScaled(formOf(constraint->GetArg(1)), -1.0);
    const double rightHandSide = -form.constant + 0.0;
    if (!std::isfinite(rightHandSide)) refuse("a number out of range in " + constraint->ToString());
    std::vector<LPLib::LPConstraint::Term> terms;
    terms.reserve(form.terms.size());
    for (const auto& [index, coefficient] : form.terms)
        terms.push_back({index, coefficient});
    auto row = std::make_unique<LPLib::LPConstraint>(m_variableCount, std::move(terms), sense, rightHandSide);
    for (const LPLib::LPConstraint::Term& term : row->terms())
        if (!std::isfinite(term.coefficient)) refuse("a number out of range in " + constraint->ToString());
    return row;
}

RawLPSolver::LinearForm RawLPSolver::formOf(const RPtr<RawExpr>& node) const {
    LinearForm form;
    CollectTerms(1.0, node, form);
    return form;
}

// Sums and differences are walked with a work list rather than recursion, so that the long
// chains of "+" that generated problems contain cannot exhaust the stack. The list holds plain
// pointers: every node is kept alive by the root.
void RawLPSolver::CollectTerms(double factor, const RPtr<RawExpr>& root, LinearForm& form) const {
    std::vector<std::pair<const RawExpr*, double>> work{{root.Get(), factor}};
    while (!work.empty()) {
        const RawExpr* node = work.back().first;
        const double f = work.back().second;
        work.pop_back();
        if (node == nullptr) throw ModelError(kNotLinear + "missing expression");
        const RawType type = node->GetType();
        if (type == RawType::FltVar) {
            form.terms.emplace_back(positionOf(*node), f);
            form.hasVariables = true;
            continue;
        }
        if (type == RawType::IntVal || type == RawType::FltVal) {
            form.constant += f * node->GetFlt();
            continue;
        }
        if (!node->IsOp()) {
            if (isDecisionVariableKind(type))
                refuse("the variable " + node->GetName() + " is not a real variable");
            refuse("cannot use " + RawTypeName(type) + " in " + node->ToString());
        }
        const std::vector<RPtr<RawExpr>>& argList = static_cast<const RawCompound*>(node)->GetArgList();
        const std::size_t args = argList.size();
        switch (type) {
        case RawType::Plus:
            for (std::size_t i = args; i-- > 0;)
                work.emplace_back(argList[i].Get(), f);
            break;
        case RawType::Minus:
            if (args == 1) {
                work.emplace_back(argList[0].Get(), -f);
            } else if (args == 2) {
                work.emplace_back(argList[1].Get(), -f);
                work.emplace_back(argList[0].Get(), f);
            } else {
                refuse("malformed subtraction " + node->ToString());
            }
            break;
        case RawType::Sum: {
            if (args != 1 || !argList[0]->IsArray()) refuse("cannot use " + node->ToString());
            const auto& elements = static_cast<const RawCol&>(*argList[0]).GetElements();
            for (std::size_t i = elements.size(); i-- > 0;)
                work.emplace_back(elements[i].Get(), f);
            break;
        }
        case RawType::Times: {
            if (args != 2) refuse("malformed product " + node->ToString());
            // A number times a real variable, the bulk of a large programme: its term directly,
            // computed exactly as the general case below would.
            const RawExpr& left = *argList[0];
            const RawExpr& right = *argList[1];
            const RawExpr* number = isNumber(left) ? &left : isNumber(right) ? &right : nullptr;
            const RawExpr* variable = number == &left ? &right : &left;
            if (number != nullptr && variable->GetType() == RawType::FltVar) {
                const double scale = f * (0.0 + number->GetFlt());
                form.terms.emplace_back(positionOf(*variable), scale * 1.0);
                form.constant += scale * 0.0;
                form.hasVariables = true;
                break;
            }
            const LinearForm a = formOf(argList[0]);
            const LinearForm b = formOf(argList[1]);
            if (!a.hasVariables)
                form.addScaled(b, f * a.constant);
            else if (!b.hasVariables)
                form.addScaled(a, f * b.constant);
            else
                refuse("product of variables in " + node->ToString());
            break;
        }
        case RawType::Divide: {
            if (args != 2) refuse("malformed division " + node->ToString());
            const LinearForm a = formOf(argList[0]);
            const LinearForm b = formOf(argList[1]);
            if (b.hasVariables) refuse("division by a variable in " + node->ToString());
            if (b.constant == 0.0) throw ModelError("Division by zero in " + node->ToString());
            form.addScaled(a, f / b.constant);
            break;
        }
        default:
            refuse("cannot use " + RawTypeName(type) + " in " + node->ToString());
        }
    }
}

int RawLPSolver::positionOf(const RawExpr& variable) const {
    const int id = variable.GetId();
    const int position = id >= 0 && static_cast<std::size_t>(id) < m_position.size()
                             ? m_position[static_cast<std::size_t>(id)]
                             : -1;
    const auto& variables = m_problem->GetRealVariables();
    if (position < 0 || variables[static_cast<std::size_t>(position)].Get() != &variable)
        refuse("the variable " + variable.GetName() + " is not declared in the problem");
    return position;
}

LPLib::CVector RawLPSolver::coefficientsOf(const LinearForm& form, const RawExpr& context) const {
    LPLib::CVector coefficients(m_variableCount);
    double* entries = coefficients.GetData();
    for (const auto& [index, coefficient] : form.terms)
        entries[index] += coefficient;
    for (double& c : coefficients) {
        if (!std::isfinite(c)) refuse("a number out of range in " + context.ToString());
        c += 0.0;
    }
    return coefficients;
}

void RawLPSolver::Stop() {
    m_solver.Stop();
}

bool RawLPSolver::Solve() {
    // One linear programme has one answer: a second call finds nothing new.
    if (m_solveStarted) {
        if (GetEnd() == SolveEnd::Optimum) SetEnd(SolveEnd::Exhausted);
        return false;
    }
    m_solveStarted = true;
    SetFinished(false);
    SetSolved(false);

    std::vector<const LPLib::LPConstraint*> rows;
    rows.reserve(m_rows.size());
    for (const auto& row : m_rows)
        rows.push_back(row.get());
    m_solver.Setup(rows, m_variableCount, *m_objective);
    if (!m_solver.Solve()) {
        m_message = m_solver.message();
        switch (m_solver.status()) {
        case LPLib::LPSolver::Status::Infeasible:
            SetEnd(SolveEnd::Exhausted);
            break;
        case LPLib::LPSolver::Status::Unbounded:
            SetEnd(SolveEnd::Unbounded);
            break;
        case LPLib::LPSolver::Status::Stopped:
            SetEnd(SolveEnd::Stopped);
            break;
        default: // the pivot limit, rounding trouble: nothing proved
            SetEnd(SolveEnd::GaveUp);
            break;
        }
        SetFinished(true);
        return false;
    }

    RawSolution& solution = m_solutions.AddSolution();
    const auto& values = m_solver.GetSolution();
    const auto& variables = m_problem->GetRealVariables();
    for (int i = 0; i < m_variableCount; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        solution.AddLabel(RawLabel(variables[k]->GetName(), MakeR<RawFlt>(values[k] + 0.0)));
    }
    solution.SetCost(MakeR<RawFlt>(m_solver.GetObjectiveValue() + m_objectiveConstant + 0.0));
    SetEnd(SolveEnd::Optimum);
    SetSolved(true);
    SetFinished(true);
    return true;
}

void RawLPSolver::reportMessage() const {
    if (!m_message.empty()) Platform::ShowMessage(m_message);
}

std::ostream& RawLPSolver::PrintStatistics(std::ostream& out) {
    out << "No statistics available for LPSolver\n";
    return out;
}

} // namespace TavBridges
