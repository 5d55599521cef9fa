#include "bridges/ExtSolver.hpp"

#include "bridges/GenExtDesc.hpp"
#include "extcore/RebuildConsTree.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawSet.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/SetVar.hpp"
#include "localsearch/gls/GGLS_ND.hpp"
#include "platform/FatalError.hpp"

#include <ostream>

using namespace TavLanguage;

namespace TavBridges {

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
    : RawBridge(problem, std::move(context)) {
    m_description = GenExtDesc::Describe(*problem);
    CheckStop();
    // The engine's problem starts from fresh values and owns every object read into it, so
    // solvers live side by side; a failed build frees its model with its engine.
    m_engine = std::make_unique<GLSLib::GGLS_ND>();
    m_engine->SetDiagnostics(Context().diagnostics);
    // The external program passes ids 1 to 9, before it reads the problem.
    for (int id = 1; id <= 9; ++id)
        m_engine->SetParameter(id, params.GetParameter(id));
    Melvane::RebuildConsTree reader;
    reader.Parse(m_description, m_engine->GetCSP());
    m_engine->PrepareRuns();
}

ExtSolver::~ExtSolver() = default;

void ExtSolver::Stop() {
    m_engine->Stop();
}

bool ExtSolver::FindCandidate(RawSolution& candidate) {
    // Whoever listens hears each new best of an optimising run as the engine finds it.
    if (Context().onSolution) {
        m_engine->SetNewBestCallback([this](int) {
            RawSolution best;
            ReadAssignment(best);
            (void)Offer(best);
        });
    }
    if (!m_engine->Solve()) return false;
    ReadAssignment(candidate);
    return true;
}

void ExtSolver::ReadAssignment(RawSolution& candidate) const {
    GLSLib::GLSCSP* csp = m_engine->GetCSP();
    for (const auto& variable : m_problem->GetVariables()) {
        const std::string name = variable->GetName();
        if (variable->GetType() == RawType::SetVar) {
            GLSLib::SetVar* set = csp->FindSetVariable(name);
            if (set == nullptr) throw Platform::InternalError("ExtSolver: no set variable " + name);
            auto members = MakeR<RawSet>();
            for (int k = 0; k < set->NumValues(); ++k)
                if (set->IsMember(k)) members->AddElement(RPtr<RawExpr>(new RawInt(set->ValueAt(k))));
            candidate.AddLabel(RawLabel(name, members));
        } else {
            GLSLib::IntVar* var = csp->FindVariable(name);
            if (var == nullptr) throw Platform::InternalError("ExtSolver: no variable " + name);
            candidate.AddLabel(RawLabel(name, RPtr<RawExpr>(new RawInt(var->GetValue()))));
        }
    }
}

std::ostream& ExtSolver::PrintStatistics(std::ostream& out) {
    return m_engine->PrintStatistics(out);
}

} // namespace TavBridges
