#pragma once
// All arguments take pairwise different values. Propagation takes the value of every argument
// that is fixed (bound, constant, or left with one value) from every other argument, which may
// fix further arguments, then checks that the unbound arguments still have enough values between
// them (pigeonhole), which settles e.g. colouring a clique with too few colours at the first
// labelling. Each fixed argument gives its value away once on a path of the search: the fixed
// ones wait at the front of an order whose boundary the trail saves.
// An argument that is an expression c * x + b with c = 1 or -1 (q[i] + i, q[i] - i, -q[i]) is
// seen through: the constraint watches x itself and compares c * x + b, so labelling x prunes the
// other arguments at once instead of when the expression is labelled after every decision.

#include "complete/BitVector.hpp"
#include "complete/GeneralConstraint.hpp"

#include <cstdint>

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
    // Forward checks while any argument is unbound.
    bool ForwardChecksUntilBound() const override { return true; }
    bool ForwardCheck() override { return Propagate(); }
    DomainEvent WakeOn(int i) const override {
        (void)i;
        return DomainEvent::Fixed;
    }
    bool Propagate() override;
    bool PropagatesOnLabelling() const override { return true; }

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
    // How entries compare: by position in one shared universe, as integers c * x + b, or as
    // values.
    enum class Mode { Positions, Integers, Values };
    long long ValueOf(const Entry& e) const;
    bool IsFixed(const Entry& e) const;
    // Takes the value of fixed entry e from entry f; false when f cannot differ from it. Sets
    // fixed when f is left with one value.
    [[nodiscard]] bool Separate(const Entry& e, const Entry& f, bool& fixed) const;
    [[nodiscard]] bool TakeFixedValues();
    bool Pigeonhole() const;
    bool PigeonholeIntegers() const;

    std::vector<Entry> m_entries;
    Mode m_mode = Mode::Values;
    // Entries m_order[0 .. m_done) are fixed and their values are gone from the others.
    std::vector<int> m_order;
    int m_done = 0;
    std::uint64_t m_doneStamp = 0;
    mutable BitVector m_scratch;
};

} // namespace GFCLib
