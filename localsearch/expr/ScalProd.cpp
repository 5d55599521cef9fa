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
    m_value = 0;
    __int128 lower = 0, upper = 0;
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        const std::int64_t lo = static_cast<std::int64_t>(m_args[i]->GetMin()) * m_coefficients[i];
        const std::int64_t hi = static_cast<std::int64_t>(m_args[i]->GetMax()) * m_coefficients[i];
        lower += std::min(lo, hi);
        upper += std::max(lo, hi);
        m_value += static_cast<std::int64_t>(m_cache.Value(static_cast<unsigned>(i))) * m_coefficients[i];
    }
    m_lower = lower < INT_MIN ? INT_MIN : (lower > INT_MAX ? INT_MAX : static_cast<int>(lower));
    m_upper = upper < INT_MIN ? INT_MIN : (upper > INT_MAX ? INT_MAX : static_cast<int>(upper));
}

void ScalProd::Initialise() {
    IntNaryOp::Initialise();
    Rebuild();
}

IntResult ScalProd::Recompute() const {
    __int128 value = 0;
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        const IntResult v = m_args[i]->Value();
        if (!v) return std::nullopt;
        value += static_cast<std::int64_t>(*v) * m_coefficients[i];
    }
    return ExactInt(value);
}

void ScalProd::Update(int position, int value) {
    const unsigned i = static_cast<unsigned>(position);
    const bool wasDefined = !m_cache.AnyUndefined();
    const __int128 old = m_value;
    m_value +=
        (static_cast<std::int64_t>(value) - m_cache.Value(i)) * static_cast<__int128>(m_coefficients[i]);
    m_cache.SetDefined(i, value);
    if (wasDefined != !m_cache.AnyUndefined() || old != m_value) ForwardChange();
}

void ScalProd::UpdateUndefined(int position) {
    const unsigned i = static_cast<unsigned>(position);
    const bool wasDefined = !m_cache.AnyUndefined();
    m_value -= static_cast<std::int64_t>(m_cache.Value(i)) * m_coefficients[i];
    m_cache.SetUndefined(i);
    if (wasDefined) ForwardChange();
}

} // namespace GLSLib
