#pragma once
// An integer-valued node of the expression graph.

#include "localsearch/Arithmetic.hpp"
#include "localsearch/ExprObj.hpp"

#include <vector>

namespace GLSLib {

class IntObj : public ExprObj {
public:
    // Writes the value as a decimal integer ("undefined" when it has none).
    std::ostream& Print(std::ostream& os) const override;
    // Passes the node's current value to every dependent (ignores its arguments).
    void Update(int position, int value) override;
    void UpdateUndefined(int position) override;

    virtual bool IsInteger() const { return true; }
    // Current value, or none where it is undefined. Never throws: the model and the searches
    // read this.
    virtual IntResult Value() const = 0;
    // Current value. Throws Obj::Undef where it is undefined: for code outside the evaluation
    // that wants a plain number.
    int GetValue() const {
        const IntResult v = Value();
        if (!v) throw Undef();
        return *v;
    }
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
