#pragma once
// A node of the expression graph: variables, integer and set expressions and constraints.
// Each node knows its arguments (virtual accessors over the class's own fields) and its
// dependents (the nodes that use it, with the argument position at which they use it).
// A change of a variable is pushed upward along the dependents: a node that keeps a cache
// updates it from the pushed value and then passes its own change on; the others pass the
// change on and compute their value when asked.

#include "localsearch/Obj.hpp"

#include <vector>

namespace GLSLib {

class Con;
class IntVar;

class ExprObj : public Obj {
public:
    // One user of this node. Invariant: node->GetArg(position) is this node.
    struct Dependent {
        ExprObj* node;
        int position;
    };

    ~ExprObj() override = default;

    // True for nodes that take per-element set updates through UpdateElement.
    virtual bool TakesElementUpdates() const { return false; }
    // Element index of the set argument at position became a member (or stopped being one).
    // Throws Platform::InternalError in nodes that take no element updates.
    virtual void UpdateElement(int position, int index, bool isMember);
    // The node reached by following dependent 0 upward until a node without dependents.
    virtual ExprObj* GetRoot();
    // The id of the constraint above (a constraint or variable answers its own).
    // Throws Platform::InternalError for an expression that nothing uses.
    virtual int GetId() const;
    // Number of distinct variables reachable through the arguments.
    virtual int CountVariables();
    // True when any argument, recursively, is arithmetic.
    virtual bool IsArithmetic();
    // The dependent added last. Throws Platform::InternalError when there is none.
    virtual ExprObj* GetLastDependent() const;
    // True for logical constraints (LogicalCon and subclasses).
    virtual bool IsLogical() const { return false; }
    // The argument at position now has value. Throws Platform::InternalError in nodes that
    // cannot take integer updates.
    virtual void Update(int position, int value);
    // The argument at position now has no defined value (Obj::Undef).
    virtual void UpdateUndefined(int position);
    // Recomputes every cache of the subtree from the current values, arguments first.
    virtual void Initialise();
    // Argument i (no range test) and the number of arguments.
    virtual ExprObj* GetArg(int i) const = 0;
    virtual unsigned NumArgs() const = 0;
    // Lists this node as a dependent of each of its arguments, at the argument's index.
    virtual void AttachToArguments();
    // True for integer variables.
    virtual bool IsVariable() const { return false; }
    // True for constraints (not for the objective).
    virtual bool IsConstraint() const { return false; }
    // Records c with every variable below this node.
    virtual void RegisterConstraint(Con* c);

    // Appends d (using this node at position) to the dependents.
    void AddDependent(ExprObj* d, int position) { m_dependents.push_back({d, position}); }
    // Dependent i (no range test).
    ExprObj* GetDependent(int i) const { return m_dependents[static_cast<unsigned>(i)].node; }
    // Position of dependent i. Throws std::out_of_range for a bad index.
    int GetDependentPosition(int i) const { return m_dependents.at(static_cast<unsigned>(i)).position; }
    unsigned NumDependents() const { return static_cast<unsigned>(m_dependents.size()); }
    const std::vector<Dependent>& Dependents() const { return m_dependents; }

    // Removes this node from each argument's dependents (first matching entry, replaced by the
    // argument's last entry).
    void DetachFromArguments();
    // Appends every variable below this node to out, depth-first in argument order, each only
    // if out does not hold it yet. A variable yields itself.
    void GetVariables(std::vector<IntVar*>& out);

protected:
    std::vector<Dependent> m_dependents;
};

} // namespace GLSLib
