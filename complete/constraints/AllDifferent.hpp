#pragma once
// All arguments take pairwise different values. Forward checking removes a newly labelled
// variable's value from every unbound argument, removes the value of every argument left with
// one value from the others (repeatedly), then checks that the unbound arguments still have
// enough values between them (pigeonhole), which settles e.g. colouring a clique with too few
// colours at the first labelling.

#include "complete/BitVector.hpp"
#include "complete/GeneralConstraint.hpp"

namespace GFCLib {

class AllDifferent : public GeneralConstraint {
public:
    AllDifferent() = default;
    // The arguments become the list (variables or constant values).
    template <typename T> void Init(const std::vector<T*>& list) { AddArgs(list); }
    const char* GetName() const override { return "AllDifferent"; }
    bool IsSatisfied() const override;
    void Attach() override;
    bool Preprocess() override;
    void OnInstantiate(Variable* var) override {
        ++m_boundCount;
        m_last = var;
    }
    // Filters whenever some argument is still unbound.
    bool IsAllButOneBound(int n) const override;
    bool ForwardCheck() override;

private:
    bool Pigeonhole() const;
    bool RemoveSingletons();

    Variable* m_last = nullptr;
    mutable BitVector m_scratch;
    std::vector<char> m_done;
    bool m_sameSpec = false; // every variable over one finite spec: domains compare bit by bit
};

} // namespace GFCLib
