#pragma once
// Builds the solver bridge that a tav-solve run asked for, with its parameter block.

#include "bridges/AlgParams.hpp"
#include "bridges/BridgeContext.hpp"
#include "language/raw/RawSolver.hpp"
#include "tools/tav-solve/SolveOptions.hpp"

#include <map>
#include <memory>

namespace TavSolve {

// The chosen solver is not part of this build; what() names it.
class SolverUnavailable : public Platform::Error {
public:
    explicit SolverUnavailable(const std::string& text)
        : Platform::Error(Platform::ErrorCode::kUsage, text) {}
};

// The concrete solver for a choice: Auto becomes Lp when the problem has real variables and Gfc
// otherwise, as the workbench chooses.
SolverChoice ResolveSolver(SolverChoice choice, const TavLanguage::RawCSP& problem);

// Complete search for problem files, tav-solve's own default: no thrashing stop, so that every
// answer is complete (every solution, a proved optimum, a proof that there is none), with the
// variable ordering and backtracking that measured fastest over the examples and the problems
// of bench/peers (bench/complete-defaults).
TavBridges::AlgParams CompleteSearchDefaults();

// The default block of the solver's family with the overrides applied (Lp takes none: empty);
// complete search starts from CompleteSearchDefaults.
TavBridges::AlgParams ParamsFor(SolverChoice resolved, const std::map<int, int>& overrides);

// A new bridge over the problem. Throws SolverUnavailable, and whatever the bridge's
// construction throws (Platform::FatalError, Bug).
std::unique_ptr<TavLanguage::RawSolver> MakeSolver(SolverChoice resolved, TavLanguage::RawCSP& problem,
                                                   const TavBridges::AlgParams& params,
                                                   const TavBridges::BridgeContext& context = {});

} // namespace TavSolve
