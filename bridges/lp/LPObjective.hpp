#pragma once
// The linear objective of a linear programme: minimise or maximise coefficients . x.

#include "bridges/lp/CVector.hpp"

namespace LPLib {

class LPObjective {
public:
    LPObjective() = default;
    // Copies the coefficients (entry i belongs to variable i).
    LPObjective(const CVector& coefficients, bool minimise)
        : m_coefficients(coefficients), m_minimise(minimise) {}
    virtual ~LPObjective() = default;

    const CVector& coefficients() const { return m_coefficients; }
    // True: minimise; false: maximise.
    bool minimise() const { return m_minimise; }

private:
    CVector m_coefficients;
    bool m_minimise = true;
};

} // namespace LPLib
