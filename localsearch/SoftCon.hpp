#pragma once
// A soft constraint: wraps a constraint with its own weight; the soft constraint, not the
// inner one, is what the variables list and the engines see.

#include "localsearch/Con.hpp"

namespace GLSLib {

class SoftCon : public Con {
public:
    SoftCon(Con* c, int weight) : m_weight(weight), m_inner(c) { AttachToArguments(); }
    int GetId() const override { return m_inner->GetId(); }
    ExprObj* GetArg(int) const override { return m_inner; }
    unsigned NumArgs() const override { return 1; }
    bool IsHard() const override { return false; }
    int GetWeight() const override { return m_weight; }
    double GetViolation() const override { return m_inner->GetViolation(); }
    double GetMaxViolation() const override { return m_inner->GetMaxViolation(); }

private:
    int m_weight;
    Con* m_inner;
};

} // namespace GLSLib
