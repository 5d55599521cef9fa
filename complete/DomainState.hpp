#pragma once
// The mutable part of a domain, separate so the search can save and restore it by copy.

namespace GFCLib {

class DomainState {
public:
    virtual ~DomainState() = default;
    // A new state of the same class and contents, owned by the caller.
    virtual DomainState* Clone() const = 0;
    // Copies other (which must be of the same class) into this state.
    virtual void Assign(const DomainState& other) = 0;
};

} // namespace GFCLib
