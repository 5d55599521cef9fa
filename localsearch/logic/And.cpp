#include "localsearch/logic/And.hpp"

#include "localsearch/Arithmetic.hpp"

#include <cstdint>

namespace GLSLib {

double And::GetViolation() const {
    std::int64_t total = 0;
    for (Con* c : m_args)
        total = static_cast<std::int64_t>(static_cast<double>(total) + c->GetViolation());
    return SaturateViolation(static_cast<double>(total));
}

double And::GetMaxViolation() const {
    std::int64_t total = 0;
    for (Con* c : m_args)
        total = static_cast<std::int64_t>(static_cast<double>(total) + c->GetMaxViolation());
    return SaturateViolation(static_cast<double>(total) + 1.0);
}

int And::NumConjuncts() const {
    int n = 1;
    for (Con* c : m_args)
        n += c->NumConjuncts();
    return n;
}

Con* And::GetConjunct(int k) {
    if (k == 0) return this;
    int offset = k - 1;
    for (Con* c : m_args) {
        const int n = c->NumConjuncts();
        if (offset < n) return c->GetConjunct(offset);
        offset -= n;
    }
    return nullptr;
}

} // namespace GLSLib
