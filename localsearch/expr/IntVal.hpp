#pragma once
// An integer constant.

#include "localsearch/IntObj.hpp"

namespace GLSLib {

class IntVal : public IntObj {
public:
    explicit IntVal(int value) : m_value(value) {}
    // Writes the value.
    std::ostream& Print(std::ostream& os) const override { return os << m_value; }
    // A constant has no arguments: throws Platform::InternalError.
    ExprObj* GetArg(int i) const override;
    unsigned NumArgs() const override { return 0; }
    IntResult Value() const override { return m_value; }
    // The constant (never undefined).
    int GetValue() const { return m_value; }
    int GetMin() const override { return m_value; }
    int GetMax() const override { return m_value; }
    // The constant, whatever the index, and the size of its one-value domain.
    virtual int ValueAt(int) const { return m_value; }
    virtual int DomainSize() const { return 1; }

private:
    int m_value;
};

} // namespace GLSLib
