#pragma once
// One linear constraint of a linear programme: coefficients . x  (sense)  right-hand side.

#include "bridges/lp/CVector.hpp"

namespace LPLib {

class LPConstraint {
public:
    // Senses; any other character means "no constraint" and the simplex drops the row.
    static constexpr char kAtMost = '<';
    static constexpr char kAtLeast = '>';
    static constexpr char kEqual = '=';

    // Copies the coefficients (entry i belongs to variable i).
    LPConstraint(const CVector& coefficients, char sense, double rightHandSide)
        : m_coefficients(coefficients), m_sense(sense), m_rightHandSide(rightHandSide) {}
    virtual ~LPConstraint() = default;

    const CVector& coefficients() const { return m_coefficients; }
    char sense() const { return m_sense; }
    double rightHandSide() const { return m_rightHandSide; }

private:
    CVector m_coefficients;
    char m_sense;
    double m_rightHandSide;
};

} // namespace LPLib
