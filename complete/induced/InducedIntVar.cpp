#include "complete/induced/InducedIntVar.hpp"

#include "platform/FatalError.hpp"

#include <algorithm>
#include <map>
#include <ostream>
#include <utility>

namespace GFCLib {

namespace {
// The description of lo .. hi, shared by every induced variable over that range while one
// holds it: the n(n - 1) differences of n queens all range over -(n - 1) .. n - 1, and a copy
// each made that the largest part of the memory a board took. Descriptions never change once
// made, so sharing one is safe.
std::shared_ptr<IntDomainSpec> SharedRangeSpec(long long lo, long long hi) {
    thread_local std::map<std::pair<long long, long long>, std::weak_ptr<IntDomainSpec>> cache;
    std::weak_ptr<IntDomainSpec>& slot = cache[{lo, hi}];
    if (std::shared_ptr<IntDomainSpec> spec = slot.lock()) return spec;
    std::vector<int> values;
    if (lo <= hi) values.reserve(static_cast<std::size_t>(hi - lo + 1));
    for (long long v = lo; v <= hi; ++v)
        values.push_back(static_cast<int>(v));
    std::shared_ptr<IntDomainSpec> spec = IntDomainSpec::MakeAnonymous(std::move(values));
    slot = spec;
    // Ranges of problems solved before leave expired entries behind: drop them now and then.
    if (cache.size() > 4096)
        std::erase_if(cache, [](const auto& entry) { return entry.second.expired(); });
    return spec;
}
} // namespace

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
    if (hi - lo + 1 > kMaxDomainSize) throw Platform::ResourceError("Expression domain too large");
    m_ownSpec = SharedRangeSpec(lo, hi);
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
    const FiniteDomain& d = var->GetDomain();
    for (int p = d.MinIndex(); p >= 0; p = d.NextIndex(p + 1))
        f(var->GetIntSpec()->IntAt(p));
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
    if (m_scratch.BitCount() != m_domain.UniverseSize())
        m_scratch.Resize(m_domain.UniverseSize(), false);
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
