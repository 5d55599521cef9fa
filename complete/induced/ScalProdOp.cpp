#include "complete/induced/ScalProdOp.hpp"

#include "platform/FatalError.hpp"

#include <ostream>

namespace GFCLib {

namespace {
long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}
long long CeilDiv(long long a, long long b) {
    return -FloorDiv(-a, b);
}
} // namespace

void ScalProdOp::InitTerms(const std::vector<CPObject*>& operands, const std::vector<Value>& coefficients) {
    if (operands.size() != coefficients.size())
        throw Platform::InternalError("Scalar product with unequal numbers of terms and coefficients");
    m_operands = operands;
    m_operandVars.clear();
    m_coefficients.clear();
    long long lo = 0;
    long long hi = 0;
    for (std::size_t i = 0; i < operands.size(); ++i) {
        m_operandVars.push_back(CheckIntOperand(operands[i]));
        const long long c = coefficients[i].GetInt();
        m_coefficients.push_back(c);
        const long long a = c * MinOf(operands[i]);
        const long long b = c * MaxOf(operands[i]);
        lo += std::min(a, b);
        hi += std::max(a, b);
    }
    SetComputedRange(lo, hi);
    Define(this, operands);
}

void ScalProdOp::PrintExpr(std::ostream& os) const {
    os << FunctionName() << "(";
    PrintList(os, m_operands);
    os << ";";
    for (std::size_t i = 0; i < m_coefficients.size(); ++i)
        os << (i > 0 ? "," : "") << m_coefficients[i];
    os << ")";
}

bool ScalProdOp::Holds() const {
    long long sum = 0;
    for (std::size_t i = 0; i < m_operands.size(); ++i)
        sum += m_coefficients[i] * ValueOf(m_operands[i]);
    return sum == GetInt();
}

bool ScalProdOp::Propagate() {
    const std::size_t n = m_operands.size();
    for (int round = 0; round < 8; ++round) {
        long long sumLo = 0;
        long long sumHi = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const long long a = m_coefficients[i] * MinOf(m_operands[i]);
            const long long b = m_coefficients[i] * MaxOf(m_operands[i]);
            sumLo += std::min(a, b);
            sumHi += std::max(a, b);
        }
        if (IsInstantiated()) {
            if (GetInt() < sumLo || GetInt() > sumHi) return false;
        } else if (!KeepRange(sumLo, sumHi)) {
            return false;
        }
        const long long zLo = MinInt();
        const long long zHi = MaxInt();
        bool changed = false;
        for (std::size_t i = 0; i < n; ++i) {
            IntVar* x = m_operandVars[i];
            const long long c = m_coefficients[i];
            if (x == nullptr || x->IsInstantiated() || c == 0) continue;
            const long long a = c * x->MinInt();
            const long long b = c * x->MaxInt();
            const long long termLo = zLo - (sumHi - std::max(a, b));
            const long long termHi = zHi - (sumLo - std::min(a, b));
            const long long lo = c > 0 ? CeilDiv(termLo, c) : CeilDiv(termHi, c);
            const long long hi = c > 0 ? FloorDiv(termHi, c) : FloorDiv(termLo, c);
            if (lo > x->MinInt() || hi < x->MaxInt()) {
                if (!x->KeepRange(lo, hi)) return false;
                changed = true;
            }
        }
        if (!changed) break;
    }
    return true;
}

} // namespace GFCLib
