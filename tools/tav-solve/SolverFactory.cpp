#include "tools/tav-solve/SolverFactory.hpp"

#include "bridges/ExtSolver.hpp"
#include "bridges/RawGFCSolver.hpp"
#include "bridges/RawGenericSolver.hpp"
#include "bridges/RawLPSolver.hpp"

using namespace TavLanguage;
using namespace TavBridges;

namespace TavSolve {

SolverChoice ResolveSolver(SolverChoice choice, const RawCSP& problem) {
    if (choice != SolverChoice::Auto) return choice;
    return problem.GetRealVariables().empty() ? SolverChoice::Gfc : SolverChoice::Lp;
}

AlgParams CompleteSearchDefaults() {
    AlgParams params = AlgParams::Defaults(AlgParams::Family::CompleteSearch);
    params.SetParameter(1, 2); // smallest domain
    params.SetParameter(2, 0); // no thrashing stop
    params.SetParameter(3, 0); // chronological backtracking
    return params;
}

AlgParams ParamsFor(SolverChoice resolved, const std::map<int, int>& overrides) {
    AlgParams params;
    switch (resolved) {
    case SolverChoice::Auto:
    case SolverChoice::Gfc:
        params = CompleteSearchDefaults();
        break;
    case SolverChoice::Gls:
    case SolverChoice::Gls2: // the second guided local search shares the first one's block
        params = AlgParams::Defaults(AlgParams::Family::GuidedLocalSearch);
        break;
    case SolverChoice::Ga:
        params = AlgParams::Defaults(AlgParams::Family::GeneticAlgorithm);
        break;
    case SolverChoice::Tabu:
        params = AlgParams::Defaults(AlgParams::Family::TabuSearch);
        break;
    case SolverChoice::Lp:
    case SolverChoice::Expert: // documents only
        break;
    case SolverChoice::Ext:
        params = ExtSolver::DefaultParams();
        break;
    }
    for (const auto& [id, value] : overrides)
        params.SetParameter(id, value);
    return params;
}

std::unique_ptr<RawSolver> MakeSolver(SolverChoice resolved, RawCSP& problem, const AlgParams& params,
                                      const BridgeContext& context) {
    auto localSearch = [&](int type, const char* what) -> std::unique_ptr<RawSolver> {
        if (!RawGenericSolver::IsEngineAvailable(type))
            throw SolverUnavailable("solver '" + SolverName(resolved) + "' (" + what +
                                    ") is not available in this build");
        return std::make_unique<RawGenericSolver>(&problem, &params, type, context);
    };
    switch (resolved) {
    case SolverChoice::Auto:
    case SolverChoice::Gfc:
        return std::make_unique<RawGFCSolver>(&problem, &params, context);
    case SolverChoice::Gls:
        return localSearch(1, "guided local search");
    case SolverChoice::Ga:
        return localSearch(2, "genetic algorithm");
    case SolverChoice::Tabu:
        return localSearch(3, "tabu search");
    case SolverChoice::Gls2:
        return localSearch(4, "graph-based guided local search");
    case SolverChoice::Lp:
        return std::make_unique<RawLPSolver>(&problem);
    case SolverChoice::Ext:
        return std::make_unique<ExtSolver>(&problem, params, context);
    case SolverChoice::Expert: // documents only
        break;
    }
    throw SolverUnavailable("unknown solver");
}

} // namespace TavSolve
