#pragma once
// An integer-valued node of the expression graph.

#include "localsearch/ExprObj.hpp"

#include <vector>

namespace GLSLib {

class IntObj : public ExprObj {
public:
    // Writes GetValue() as a decimal integer ("undefined" when it has none).
    std::ostream& Print(std::ostream& os) const override;
    // Passes the node's current value to every dependent (ignores its arguments).
    void Update(int position, int value) override;
    void UpdateUndefined(int position) override;

    virtual bool IsInteger() const { return true; }
    // Current value. Throws Obj::Undef when it is undefined.
    virtual int GetValue() const = 0;
    // Bounds of the value.
    virtual int GetMin() const = 0;
    virtual int GetMax() const = 0;

    // Appends GetMin; then -1, 0 and 1 where strictly between the bounds; then GetMax.
    void GetExtremeCandidates(std::vector<int>& out) const;

protected:
    // Tells every dependent the node's current value, or that it has none.
    void ForwardChange();
    // Tells every dependent that the node's value is now value.
    void ForwardValue(int value) {
        for (std::size_t i = 0; i < m_dependents.size(); ++i)
            m_dependents[i].node->Update(m_dependents[i].position, value);
    }
};

} // namespace GLSLib
