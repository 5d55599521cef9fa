#pragma once
// The external solver program's road as a bridge: the problem is written as the problem
// description text, read back into a fresh local-search model as the external program reads
// it, and solved by guided local search (GGLS_ND) with that program's settings, one run per
// Solve. Solutions are labelled by the raw problem's variables, as every bridge labels them.
// The model belongs to the engine's own problem and goes with the engine, so several such
// solvers (and local-search bridges) may live at once, on one thread or on several.

#include "bridges/AlgParams.hpp"
#include "bridges/BridgeContext.hpp"
#include "bridges/RawBridge.hpp"

#include <memory>
#include <string>
#include <vector>

namespace GLSLib {
class GGLS_ND;
class IntVar;
class SetVar;
} // namespace GLSLib

namespace TavBridges {

class ExtSolver : public RawBridge {
public:
    // The external program's defaults as engine parameters 1 to 9: lambda 10, approximate
    // evaluation off, learning on, delta update on, seed 2334, objective weight 2.
    static AlgParams DefaultParams();

    // Writes and reads back the description and prepares the engine with parameters 1 to 9.
    // Throws GenExtDesc::Unexpressible, Melvane::DescriptionError, what the engine's
    // SetParameter throws, and Platform::Cancelled once the context's stop request is set.
    ExtSolver(TavLanguage::RawCSP* problem, const AlgParams& params, BridgeContext context = {});
    ~ExtSolver() override;

    void Stop() override;
    std::ostream& PrintStatistics(std::ostream& out) override;
    // The description text the model was read from.
    const std::string& GetDescription() const { return m_description; }

private:
    // One engine run: the assignment it ends on, when it ends on a solution.
    [[nodiscard]] bool FindCandidate(TavLanguage::RawSolution& candidate) override;
    bool ContinuesAfterRejection() const override { return false; }
    // The variables' current values as labels of the raw problem's variables.
    void ReadAssignment(TavLanguage::RawSolution& candidate);

    std::string m_description;
    std::unique_ptr<GLSLib::GGLS_ND> m_engine;
    // The engine's variable of each raw variable, in the raw problem's order (one of the two
    // set), found at the first ReadAssignment.
    struct ReadVariable {
        GLSLib::IntVar* var;
        GLSLib::SetVar* set;
    };
    std::vector<ReadVariable> m_read;
};

} // namespace TavBridges
