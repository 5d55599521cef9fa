#include "bridges/lp/LPConstraint.hpp"

#include <algorithm>
#include <string>

namespace LPLib {

LPConstraint::LPConstraint(const CVector& coefficients, char sense, double rightHandSide)
    : m_size(coefficients.GetSize()), m_sense(sense), m_rightHandSide(rightHandSide) {
    const double* values = coefficients.GetData();
    for (int j = 0; j < m_size; ++j)
        if (values[j] != 0.0) m_terms.push_back({j, values[j]});
}

LPConstraint::LPConstraint(int size, std::vector<Term> terms, char sense, double rightHandSide)
    : m_size(size), m_sense(sense), m_rightHandSide(rightHandSide) {
    if (size < 0) throw Platform::InternalError("LPConstraint over a negative number of variables");
    for (const Term& term : terms)
        if (term.index < 0 || term.index >= size)
            throw Platform::InternalError("LPConstraint term of variable " + std::to_string(term.index) +
                                          " outside 0.." + std::to_string(size - 1));
    // Stable, so that repeated terms are added in the order given, as a dense row would add them.
    std::stable_sort(terms.begin(), terms.end(),
                     [](const Term& a, const Term& b) { return a.index < b.index; });
    m_terms.reserve(terms.size());
    for (std::size_t k = 0; k < terms.size();) {
        const int index = terms[k].index;
        double sum = 0.0;
        for (; k < terms.size() && terms[k].index == index; ++k)
            sum += terms[k].coefficient;
        if (sum != 0.0) m_terms.push_back({index, sum});
    }
}

CVector LPConstraint::coefficients() const {
    CVector dense(m_size);
    double* values = dense.GetData();
    for (const Term& term : m_terms)
        values[term.index] = term.coefficient;
    return dense;
}

} // namespace LPLib
