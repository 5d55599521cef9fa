#pragma once
// The arguments x_0..x_{n-1} are successors (0-based) forming one circuit through all n nodes.
// Forward checking keeps successors different and closes no circuit shorter than n.

#include "complete/GeneralConstraint.hpp"

namespace GFCLib {

class Circuit : public GeneralConstraint {
public:
    Circuit() = default;
    template <typename T> explicit Circuit(const std::vector<T*>& list) { AddArgs(list); }
    const char* GetName() const override { return "Circuit"; }
    bool IsSatisfied() const override;
    void Attach() override;
    // Successors keep 0 .. n-1 without themselves.
    bool Preprocess() override;
    // Forward checks while any argument is unbound.
    bool ForwardChecksUntilBound() const override { return true; }
    bool ForwardCheck() override;
};

} // namespace GFCLib
