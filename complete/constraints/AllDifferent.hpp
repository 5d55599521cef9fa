#pragma once
// All arguments take pairwise different values. Forward checking removes a newly labelled
// variable's value from every unbound argument, removes the value of every argument left with
// one value from the others (repeatedly), then checks that the unbound arguments still have
// enough values between them (pigeonhole), which settles e.g. colouring a clique with too few
// colours at the first labelling.
// An argument that is an expression c * x + b with c = 1 or -1 (q[i] + i, q[i] - i, -q[i]) is
// seen through: the constraint watches x itself and compares c * x + b, so labelling x prunes the
// other arguments at once instead of when the expression is labelled after every decision.

#include "complete/BitVector.hpp"
#include "complete/GeneralConstraint.hpp"

namespace GFCLib {

class IntVar;

class AllDifferent : public GeneralConstraint {
public:
    AllDifferent() = default;
    // The arguments become the list (variables or constant values).
    template <typename T> void Init(const std::vector<T*>& list) { AddArgs(list); }
    const char* GetName() const override { return "AllDifferent"; }
    bool IsSatisfied() const override;
    // Sees through the expressions among the arguments, makes the domains enumerated, attaches.
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
    // An argument as the constraint reads it: a constant, a variable, or c * x + b over an
    // integer variable x (c = 1, b = 0 for a plain integer variable).
    struct Entry {
        const CPObject* constant = nullptr;
        Variable* var = nullptr;
        IntVar* intVar = nullptr;
        long long coefficient = 1;
        long long offset = 0;
    };
    long long ValueOf(const Entry& e) const;
    // Removes value w from an unbound entry; false when its domain empties.
    [[nodiscard]] static bool RemoveFrom(const Entry& e, long long w);
    bool Pigeonhole() const;
    bool RemoveSingletons();
    bool ForwardCheckViews();
    bool RemoveSingletonViews();
    bool PigeonholeViews() const;

    Variable* m_last = nullptr;
    mutable BitVector m_scratch;
    std::vector<char> m_done;
    bool m_sameSpec = false; // every variable over one finite domain description: domains compare bit by bit
    bool m_views = false;    // some argument is seen through: entries compare by integer value
    std::vector<Entry> m_entries;
};

} // namespace GFCLib
