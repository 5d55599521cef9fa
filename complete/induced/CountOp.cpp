#include "complete/induced/CountOp.hpp"

#include "complete/FiniteDomain.hpp"
#include "platform/FatalError.hpp"

#include <algorithm>
#include <ostream>

namespace GFCLib {

void CountOp::InitCount(const std::vector<CPObject*>& list, const std::vector<Value>& values) {
    for (CPObject* o : list)
        if (o == nullptr) throw Platform::InternalError("Missing operand of Count");
    m_operands = list;
    // A value listed twice counts once.
    for (const Value& v : values)
        if (!Counted(v)) m_values.push_back(v);
    for (CPObject* o : list) {
        auto* v = o->IsVariable() ? static_cast<Variable*>(o) : nullptr;
        if (v != nullptr) v->ExpandDomain();
        m_operandVars.push_back(v);
        const FiniteDomain* d = v != nullptr ? v->GetFiniteDomain() : nullptr;
        int universe = -1;
        if (d != nullptr && d->GetSpec() != nullptr) {
            const FiniteDomainSpec* spec = d->GetSpec();
            const auto at = std::find(m_specs.begin(), m_specs.end(), spec);
            universe = static_cast<int>(at - m_specs.begin());
            if (at == m_specs.end()) {
                m_specs.push_back(spec);
                std::vector<int> positions;
                for (const Value& c : m_values)
                    if (const int p = d->IndexOf(c); p >= 0) positions.push_back(p);
                m_positions.push_back(std::move(positions));
            }
        }
        m_universeOf.push_back(universe);
    }
    SetComputedRange(0, static_cast<long long>(list.size()));
    Define(this, list);
}

bool CountOp::Counted(const Value& v) const {
    for (const Value& c : m_values)
        if (c == v) return true;
    return false;
}

void CountOp::PrintExpr(std::ostream& os) const {
    os << "Count(";
    PrintList(os, m_operands);
    os << ";";
    for (std::size_t i = 0; i < m_values.size(); ++i)
        os << (i > 0 ? "," : "") << m_values[i];
    os << ")";
}

bool CountOp::Holds() const {
    int n = 0;
    for (const CPObject* o : m_operands)
        n += Counted(o->GetValue()) ? 1 : 0;
    return n == GetInt();
}

bool CountOp::Propagate() {
    // Each operand's counted values are looked up in its domain (a few lookups), not its whole
    // domain walked, so a count over many variables costs one pass over them.
    int sure = 0;
    int maybe = 0;
    m_open.clear(); // unbound operands that may or may not be counted
    for (std::size_t i = 0; i < m_operands.size(); ++i) {
        Variable* v = m_operandVars[i];
        const int universe = m_universeOf[i];
        if (universe < 0) {
            if (v == nullptr || v->IsInstantiated()) sure += Counted(m_operands[i]->GetValue()) ? 1 : 0;
            continue;
        }
        const std::vector<int>& positions = m_positions[static_cast<std::size_t>(universe)];
        if (v->IsInstantiated()) {
            sure += std::find(positions.begin(), positions.end(), v->GetIndex()) != positions.end() ? 1 : 0;
            continue;
        }
        const FiniteDomain* d = v->GetFiniteDomain();
        std::int64_t inside = 0;
        for (int p : positions)
            inside += d->Contains(p) ? 1 : 0;
        if (inside == 0) continue;
        if (inside == d->Count()) {
            ++sure;
        } else {
            ++maybe;
            m_open.push_back(v);
        }
    }
    if (IsInstantiated()) {
        if (GetInt() < sure || GetInt() > sure + maybe) return false;
    } else if (!KeepRange(sure, sure + maybe)) {
        return false;
    }
    const bool forbid = MaxInt() == sure;
    const bool force = MinInt() == sure + maybe;
    if (!forbid && !force) return true;
    for (Variable* v : m_open) {
        FiniteDomain* d = v->GetFiniteDomain();
        if (forbid) {
            for (const Value& c : m_values)
                if (!d->RemoveValue(c)) return false;
        } else {
            d->ForEachIndex([&](int p) {
                if (!Counted(d->ValueAt(p))) (void)d->Remove(p);
            });
            if (d->IsEmpty()) return false;
        }
    }
    return true;
}

} // namespace GFCLib
