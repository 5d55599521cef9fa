#pragma once
// The number of members of a set expression. It takes the set's element updates and passes
// the change on, so that nodes above it stay current.

#include "localsearch/IntObj.hpp"
#include "localsearch/SetObj.hpp"

namespace GLSLib {

class Cardinality : public IntObj {
public:
    explicit Cardinality(SetObj* s) : m_set(s) { AttachToArguments(); }
    ExprObj* GetArg(int) const override { return m_set; }
    unsigned NumArgs() const override { return 1; }
    bool TakesElementUpdates() const override { return true; }
    void UpdateElement(int, int, bool) override { ForwardChange(); }
    bool IsArithmetic() override { return m_set->IsVariable(); }
    IntResult Value() const override { return m_set->NumMembers(); }
    int GetMin() const override { return m_set->GetIntValue(); }
    int GetMax() const override { return m_set->UniverseSize(); }

private:
    SetObj* m_set;
};

} // namespace GLSLib
