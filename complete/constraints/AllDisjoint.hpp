#pragma once
// The sets (set variables or set values) are pairwise disjoint. Forward checking removes the
// members of every bound set from the possible members of the unbound ones.

#include "complete/GeneralConstraint.hpp"

namespace GFCLib {

class AllDisjoint : public GeneralConstraint {
public:
    AllDisjoint() = default;
    // Throws Platform::InternalError unless every entry is a set variable or a set value; the
    // arguments are then added with AddArgs.
    template <typename T> void CheckSetArgs(const std::vector<T*>& list) {
        for (T* a : list)
            CheckSetArg(a);
    }
    const char* GetName() const override { return "AllDisjoint"; }
    bool IsSatisfied() const override;
    // Forward checks while any argument is unbound.
    bool ForwardChecksUntilBound() const override { return true; }
    bool ForwardCheck() override;

private:
    static void CheckSetArg(const CPObject* arg);
};

} // namespace GFCLib
