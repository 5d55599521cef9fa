#pragma once
// One linear constraint of a linear programme: coefficients . x  (sense)  right-hand side.
// Only the non-zero coefficients are kept, so a row over many variables that names few of them
// stays small.

#include "bridges/lp/CVector.hpp"

#include <vector>

namespace LPLib {

class LPConstraint {
public:
    // Senses; any other character means "no constraint" and the simplex drops the row.
    static constexpr char kAtMost = '<';
    static constexpr char kAtLeast = '>';
    static constexpr char kEqual = '=';

    // One non-zero coefficient: coefficient times variable index.
    struct Term {
        int index;
        double coefficient;
    };

    // Keeps the non-zero coefficients (entry i belongs to variable i); the row spans
    // coefficients.GetSize() variables.
    LPConstraint(const CVector& coefficients, char sense, double rightHandSide);
    // A row over size variables from its terms, in any order: terms of one variable are added up
    // in the order given, and zero sums are dropped. Throws Platform::InternalError when size is
    // negative or an index lies outside [0, size).
    LPConstraint(int size, std::vector<Term> terms, char sense, double rightHandSide);
    virtual ~LPConstraint() = default;

    // The dense coefficients, one per variable the row spans.
    CVector coefficients() const;
    // The non-zero coefficients by ascending index.
    const std::vector<Term>& terms() const { return m_terms; }
    // Number of variables the row spans.
    int size() const { return m_size; }
    char sense() const { return m_sense; }
    double rightHandSide() const { return m_rightHandSide; }

private:
    int m_size;
    std::vector<Term> m_terms; // ascending index, no repeats, no zero coefficient
    char m_sense;
    double m_rightHandSide;
};

} // namespace LPLib
