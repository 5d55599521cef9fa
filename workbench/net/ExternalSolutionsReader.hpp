#pragma once
// Reads the solutions text that an external solver program sends (the count S, then per
// solution a label, the pair count V, V pairs of a variable name and an integer value, a label
// and the cost, a label and the soft cost) and checks it against the problem it was sent for.
// The text is untrusted: every count is bounded by the tokens left, every name must be a
// variable of the problem (the element variables "__s[i]" of a set variable s are skipped),
// every integer variable gets exactly one value, and each solution must pass the raw
// problem's evaluator (domains and hard constraints). Costs are recomputed from the values:
// the objective's own value with its sign, and the weights of the broken soft constraints.

#include "workbench/net/ExternalSolutions.hpp"

#include "platform/FatalError.hpp"

#include <atomic>
#include <string>

namespace TavLanguage {
class RawCSP;
}

namespace TavNet {

// A solutions text that is malformed or does not fit the problem; what() says why.
class SolutionsTextError : public Platform::FatalError {
public:
    using Platform::FatalError::FatalError;
};

class ExternalSolutionsReader {
public:
    // Most solutions taken from one text.
    static constexpr int kMaxSolutions = 100000;

    // Throws SolutionsTextError; Platform::Cancelled once stop (null: none) is set, which it
    // reads between solutions, so a long text ends soon after.
    static ExternalSolutions Read(const std::string& text, const TavLanguage::RawCSP& problem,
                                  const std::atomic<bool>* stop = nullptr);
};

} // namespace TavNet
