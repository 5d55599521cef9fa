#include "localsearch/expr/ScalProd.hpp"

#include "localsearch/Arithmetic.hpp"
#include "localsearch/ModelError.hpp"

#include <algorithm>

namespace GLSLib {

ScalProd::ScalProd(const std::vector<IntObj*>& args, const std::vector<int>& coefficients)
    : IntNaryOp(args), m_coefficients(coefficients) {
    if (m_coefficients.size() < m_args.size()) {
        DetachFromArguments();
        throw ModelError("ScalProd has fewer coefficients than arguments");
    }
    Rebuild();
}

void ScalProd::Rebuild() {
    m_cache.Load(m_args);
    m_value = m_lower = m_upper = 0;
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        const int lo = WrapMul(m_args[i]->GetMin(), m_coefficients[i]);
        const int hi = WrapMul(m_args[i]->GetMax(), m_coefficients[i]);
        m_lower = WrapAdd(m_lower, std::min(lo, hi));
        m_upper = WrapAdd(m_upper, std::max(lo, hi));
        m_value = WrapAdd(m_value, WrapMul(m_cache.Value(static_cast<unsigned>(i)), m_coefficients[i]));
    }
}

void ScalProd::Initialise() {
    IntNaryOp::Initialise();
    Rebuild();
}

int ScalProd::Recompute() const {
    int value = 0;
    for (std::size_t i = 0; i < m_args.size(); ++i)
        value = WrapAdd(value, WrapMul(m_args[i]->GetValue(), m_coefficients[i]));
    return value;
}

void ScalProd::Update(int position, int value) {
    const unsigned i = static_cast<unsigned>(position);
    const bool wasDefined = !m_cache.AnyUndefined();
    const int old = m_value;
    m_value = WrapAdd(m_value, WrapMul(WrapSub(value, m_cache.Value(i)), m_coefficients[i]));
    m_cache.SetDefined(i, value);
    if (wasDefined != !m_cache.AnyUndefined() || old != m_value) ForwardChange();
}

void ScalProd::UpdateUndefined(int position) {
    const unsigned i = static_cast<unsigned>(position);
    const bool wasDefined = !m_cache.AnyUndefined();
    m_value = WrapSub(m_value, WrapMul(m_cache.Value(i), m_coefficients[i]));
    m_cache.SetUndefined(i);
    if (wasDefined) ForwardChange();
}

} // namespace GLSLib
