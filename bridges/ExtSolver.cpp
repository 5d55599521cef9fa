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
#include <string_view>
#include <unordered_map>

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
    // Each step reads the stop request as it goes: a million variables take seconds to write
    // and read back.
    m_description = GenExtDesc::Describe(*problem, Context().stop);
    // The engine's problem starts from fresh values and owns every object read into it, so
    // solvers live side by side; a failed build frees its model with its engine.
    m_engine = std::make_unique<GLSLib::GGLS_ND>();
    m_engine->SetDiagnostics(Context().diagnostics);
    // The external program passes ids 1 to 9, before it reads the problem.
    for (int id = 1; id <= 9; ++id)
        m_engine->SetParameter(id, params.GetParameter(id));
    Melvane::RebuildConsTree reader;
    reader.SetStopRequest(Context().stop);
    reader.Parse(m_description, m_engine->GetCSP());
    CheckStop();
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

void ExtSolver::ReadAssignment(RawSolution& candidate) {
    GLSLib::GLSCSP* csp = m_engine->GetCSP();
    const auto& variables = m_problem->GetVariables();
    if (m_read.size() != variables.size()) {
        // The engine's variable of each raw one, found once through tables by name (the first
        // of a name, as the engine's own lookup): a lookup in its lists for each is quadratic.
        std::unordered_map<std::string_view, GLSLib::IntVar*> ints;
        for (GLSLib::IntVar* v : csp->GetVariables())
            ints.emplace(v->GetName(), v);
        std::unordered_map<std::string_view, GLSLib::SetVar*> sets;
        for (GLSLib::SetVar* s : csp->GetSetVariables())
            sets.emplace(s->GetName(), s);
        m_read.clear();
        m_read.reserve(variables.size());
        for (const auto& variable : variables) {
            const std::string name = variable->GetName();
            if (variable->GetType() == RawType::SetVar) {
                const auto found = sets.find(name);
                if (found == sets.end()) throw Platform::InternalError("ExtSolver: no set variable " + name);
                m_read.push_back({nullptr, found->second});
            } else {
                const auto found = ints.find(name);
                if (found == ints.end()) throw Platform::InternalError("ExtSolver: no variable " + name);
                m_read.push_back({found->second, nullptr});
            }
        }
    }
    for (const ReadVariable& read : m_read) {
        if (read.set != nullptr) {
            auto members = MakeR<RawSet>();
            for (int k = 0; k < read.set->NumValues(); ++k)
                if (read.set->IsMember(k))
                    members->AddElement(RPtr<RawExpr>(new RawInt(read.set->ValueAt(k))));
            candidate.AddLabel(RawLabel(read.set->GetName(), members));
        } else {
            candidate.AddLabel(
                RawLabel(read.var->GetName(), RPtr<RawExpr>(new RawInt(read.var->GetValue()))));
        }
    }
}

std::ostream& ExtSolver::PrintStatistics(std::ostream& out) {
    return m_engine->PrintStatistics(out);
}

} // namespace TavBridges
