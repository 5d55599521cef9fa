#pragma once
// An integer decision variable. It holds the index of its current value in its domain; the
// engines move indexes, and the value is looked up in the domain. A fresh variable is
// unassigned (index = domain size) and has no value until it is first given an index.

#include "localsearch/IntDom.hpp"
#include "localsearch/IntObj.hpp"

#include <string>
#include <vector>

namespace GLSLib {

class Con;
class Minimise;

class IntVar : public IntObj {
public:
    // A variable numbered from the current problem's counter (CurrentState). Throws
    // ModelError for a null domain.
    IntVar(const char* name, IntDom* domain);

    // The name alone when unassigned; otherwise "<", name, ",", value, ">".
    std::ostream& Print(std::ostream& os) const override;
    int GetId() const override { return m_id; }
    // A variable has no arguments: throws Platform::InternalError.
    ExprObj* GetArg(int i) const override;
    unsigned NumArgs() const override { return 0; }
    bool IsVariable() const override { return true; }
    // Appends c to the constraint list unless it is already the last entry; a Sequence that
    // is the variable's last dependent marks the variable as in a sequence.
    void RegisterConstraint(Con* c) override;
    // The value at the current index; none while unassigned.
    IntResult Value() const override {
        if (!IsAssigned()) return std::nullopt;
        return ValueAtIndex();
    }
    // The value at the current index, without a virtual call. Throws Obj::Undef while
    // unassigned.
    int GetValue() const {
        if (!IsAssigned()) throw Undef();
        return ValueAtIndex();
    }
    int GetMin() const override { return m_domain->Min(); }
    int GetMax() const override { return m_domain->Max(); }

    // The objective the variable occurs in, or null.
    virtual Minimise* GetObjective() const { return m_objective; }
    // Domain value at index i (no range test).
    virtual int ValueAt(int i) const { return m_domain->ValueAt(i); }
    virtual int DomainSize() const { return m_size; }
    // True when a Sequence registered itself while being the variable's last dependent.
    virtual bool IsInSequence() const { return m_inSequence; }
    // The name ("" when empty).
    virtual const char* GetName() const { return m_name.c_str(); }

    int GetValueIndex() const { return m_valueIndex; }
    bool IsAssigned() const { return static_cast<unsigned>(m_valueIndex) < static_cast<unsigned>(m_size); }
    // Stores index without telling any dependent. Throws Platform::InternalError for an index
    // outside 0..DomainSize()-1.
    void SetValueIndex(int index);
    // Stores index without any test: for the engines' inner loops, which move only within
    // 0..DomainSize()-1.
    void SetValueIndexUnchecked(int index) { m_valueIndex = index; }
    // Stores index and passes the new value to every dependent. Throws as SetValueIndex.
    void Assign(int index);
    IntDom* GetDomain() const { return m_domain; }
    void SetObjective(Minimise* objective) { m_objective = objective; }
    // The constraints posted on the variable, in posting order.
    const std::vector<Con*>& GetConstraints() const { return m_constraints; }
    // Restarts the current problem's variable numbering at 0.
    static void ResetCount();

private:
    bool m_inSequence = false;
    int m_id;
    std::string m_name;
    int m_valueIndex;
    IntDom* m_domain;
    Minimise* m_objective = nullptr;
    std::vector<Con*> m_constraints;
    int ValueAtIndex() const {
        if (m_listValues) return m_listValues[m_valueIndex];
        return m_isRange ? m_lo + m_valueIndex : m_domain->ValueAt(m_valueIndex);
    }
    // Copies of the domain's shape, so that GetValue needs no virtual call.
    int m_size;
    bool m_isRange = false;
    int m_lo = 0;
    const int* m_listValues = nullptr;
};

} // namespace GLSLib
