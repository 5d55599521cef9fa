#pragma once
// The external solver program's road inside tav-solve: the problem is written as the problem
// description text, read back into a fresh local-search model as the external program reads
// it, and solved by guided local search (GGLS_ND) with that program's settings, one run per
// Solve. Solutions are labelled by the raw problem's variables, as every bridge labels them.
// The model lives in the local search library's process-wide registry, which the destructor
// empties: one such solver (or local-search bridge) at a time.

#include "bridges/AlgParams.hpp"
#include "bridges/BridgeContext.hpp"
#include "language/raw/RawSolver.hpp"

#include <memory>
#include <string>

namespace GLSLib {
class GGLS_ND;
}

namespace TavSolve {

class ExtSolver : public RawSolver {
public:
    // The external program's defaults as engine parameters 1 to 9: lambda 10, approximate
    // evaluation off, learning on, delta update on, seed 2334, objective weight 2.
    static AlgParams DefaultParams();

    // Writes and reads back the description and prepares the engine with parameters 1 to 9.
    // Throws GenExtDesc::Unexpressible, Melvane::DescriptionError and what the engine's
    // SetParameter throws.
    ExtSolver(RawCSP* problem, const AlgParams& params, BridgeContext context = {});
    ~ExtSolver() override;

    void Stop() override;
    // One engine run; appends its solution when it has one.
    [[nodiscard]] bool Solve() override;
    std::ostream& PrintStatistics(std::ostream& out) override;
    // The description text the model was read from.
    const std::string& GetDescription() const { return m_description; }

private:
    BridgeContext m_context;
    std::string m_description;
    std::unique_ptr<GLSLib::GGLS_ND> m_engine;
};

} // namespace TavSolve
