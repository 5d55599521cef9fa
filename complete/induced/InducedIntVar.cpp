#include "complete/induced/InducedIntVar.hpp"

#include "platform/FatalError.hpp"

#include <algorithm>
#include <map>
#include <ostream>
#include <utility>

namespace GFCLib {

void InducedIntVar::SetComputedDomain(std::vector<int> values) {
    // Results usually repeat a lot within a narrow span (n^2 pairs, about 2n distinct values):
    // marking them over the span is linear where sorting them all is not.
    if (!values.empty()) {
        const auto [minIt, maxIt] = std::minmax_element(values.begin(), values.end());
        const long long lo = *minIt;
        const long long span = static_cast<long long>(*maxIt) - lo + 1;
        if (span <= 4 * static_cast<long long>(values.size()) + 64) {
            std::vector<bool> seen(static_cast<std::size_t>(span), false);
            for (int v : values)
                seen[static_cast<std::size_t>(v - lo)] = true;
            values.clear();
            for (long long k = 0; k < span; ++k)
                if (seen[static_cast<std::size_t>(k)]) values.push_back(static_cast<int>(lo + k));
        }
    }
    m_ownSpec = IntDomainSpec::MakeAnonymous(std::move(values));
    SetDomainSpec(m_ownSpec.get());
}

void InducedIntVar::SetComputedRange(long long lo, long long hi) {
    lo = std::max(lo, kMinInt);
    hi = std::min(hi, kMaxInt);
    // A range is held by its two ends; only a small one is filtered value by value.
    m_ownSpec = std::make_unique<IntDomainSpec>("", lo, hi, hi - lo + 1 > kMaxDomainSize);
    SetDomainSpec(m_ownSpec.get());
}

IntVar* InducedIntVar::CheckIntOperand(CPObject* operand) {
    if (operand == nullptr) throw Platform::InternalError("Missing operand of an integer expression");
    if (operand->IsValue()) {
        const Value& v = operand->GetValue();
        if (v.GetTag() != Value::kInt && v.GetTag() != Value::kBool && v.GetTag() != Value::kDouble)
            throw Platform::InternalError("Operand of an integer expression is not a number");
        return nullptr;
    }
    auto* var = dynamic_cast<IntVar*>(operand);
    if (var == nullptr || var->GetIntSpec() == nullptr)
        throw Platform::InternalError("Operand of an integer expression is not an integer variable");
    return var;
}

void InducedIntVar::ForEachInt(const CPObject* operand, const std::function<void(long long)>& f) {
    if (operand->IsBound()) {
        f(operand->GetValue().GetInt());
        return;
    }
    const auto* var = static_cast<const IntVar*>(operand);
    var->GetDomain().ForEachIndex([&](int p) { f(var->GetIntSpec()->IntAt(p)); });
}

long long InducedIntVar::CountOf(const CPObject* operand) {
    if (operand->IsBound()) return 1;
    return static_cast<const IntVar*>(operand)->GetDomain().Count();
}

long long InducedIntVar::MinOf(const CPObject* operand) {
    if (operand->IsBound()) return operand->GetValue().GetInt();
    return static_cast<const IntVar*>(operand)->MinInt();
}

long long InducedIntVar::MaxOf(const CPObject* operand) {
    if (operand->IsBound()) return operand->GetValue().GetInt();
    return static_cast<const IntVar*>(operand)->MaxInt();
}

BitVector& InducedIntVar::Scratch() {
    if (m_domain.UniverseSize() > kMaxDomainSize)
        throw Platform::ResourceError("Expression domain too large");
    const int n = static_cast<int>(m_domain.UniverseSize());
    if (m_scratch.BitCount() != n)
        m_scratch.Resize(n, false);
    else
        m_scratch.ClearAll();
    return m_scratch;
}

void InducedIntVar::PrintList(std::ostream& os, const std::vector<CPObject*>& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) os << ",";
        list[i]->PrintName(os);
    }
}

} // namespace GFCLib
