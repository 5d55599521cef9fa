#include "tools/tav-solve/ExtSolver.hpp"

#include "bridges/GenExtDesc.hpp"
#include "extsolver/RebuildConsTree.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawSet.hpp"
#include "localsearch/ClassWideValues.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/Obj.hpp"
#include "localsearch/SetVar.hpp"
#include "localsearch/gls/GGLS_ND.hpp"
#include "platform/FatalError.hpp"

#include <ostream>

namespace TavSolve {

AlgParams ExtSolver::DefaultParams() {
    AlgParams params;
    params.SetParameter(1, 10);
    params.SetParameter(2, 0);
    params.SetParameter(3, 1);
    params.SetParameter(4, 1);
    params.SetParameter(5, 2334);
    params.SetParameter(6, 2);
    return params;
}

ExtSolver::ExtSolver(RawCSP* problem, const AlgParams& params, BridgeContext context)
    : RawSolver(problem), m_context(std::move(context)) {
    if (problem == nullptr) throw Platform::InternalError("ExtSolver: no problem");
    m_description = GenExtDesc::Describe(*problem);
    // A solve must not depend on what an earlier one left in the library's class-wide values.
    GLSLib::ResetAllClassWideValues();
    try {
        m_engine = std::make_unique<GLSLib::GGLS_ND>();
        // The external program passes ids 1 to 9, before it reads the problem.
        for (int id = 1; id <= 9; ++id)
            m_engine->SetParameter(id, params.GetParameter(id));
        Melvane::RebuildConsTree reader;
        reader.Parse(m_description, m_engine->GetCSP());
        m_engine->PrepareRuns();
    } catch (...) {
        m_engine.reset();
        GLSLib::Obj::DeleteAll();
        throw;
    }
}

ExtSolver::~ExtSolver() {
    m_engine.reset();
    GLSLib::Obj::DeleteAll();
}

void ExtSolver::Stop() {
    m_engine->Stop();
}

bool ExtSolver::Solve() {
    SetFinished(false);
    SetSolved(false);
    if (!m_engine->Solve()) {
        SetFinished(true);
        return false;
    }
    GLSLib::GLSCSP* csp = m_engine->GetCSP();
    RawSolution& solution = m_solutions.AddSolution();
    for (const auto& variable : m_problem->GetVariables()) {
        const std::string name = variable->GetName();
        if (variable->GetType() == RawType::SetVar) {
            GLSLib::SetVar* set = csp->FindSetVariable(name);
            if (set == nullptr) throw Platform::InternalError("ExtSolver: no set variable " + name);
            auto members = MakeR<RawSet>();
            for (int k = 0; k < set->NumValues(); ++k)
                if (set->IsMember(k)) members->AddElement(RPtr<RawExpr>(new RawInt(set->ValueAt(k))));
            solution.AddLabel(RawLabel(name, members));
        } else {
            GLSLib::IntVar* var = csp->FindVariable(name);
            if (var == nullptr) throw Platform::InternalError("ExtSolver: no variable " + name);
            solution.AddLabel(RawLabel(name, RPtr<RawExpr>(new RawInt(var->GetValue()))));
        }
    }
    if (m_problem->GetObjective() && csp->GetObjective() != nullptr) {
        // The objective's own value under the reported assignment (the engine's cost also
        // counts the soft penalties).
        csp->GetObjective()->Initialise();
        int cost = csp->GetObjective()->GetObjectiveValue();
        // The description minimises 0 minus a maximised expression.
        if (m_problem->GetObjective()->GetType() == RawType::Maximise) cost = -cost;
        solution.SetCost(RPtr<RawExpr>(new RawInt(cost)));
    }
    if (m_problem->HasSoftConstraints())
        solution.SetSoftCost(RPtr<RawExpr>(new RawInt(m_engine->GetSoftCost())));
    SetFinished(true);
    SetSolved(true);
    return true;
}

std::ostream& ExtSolver::PrintStatistics(std::ostream& out) {
    return m_engine->PrintStatistics(out);
}

} // namespace TavSolve
