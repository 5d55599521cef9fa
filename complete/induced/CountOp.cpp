#include "complete/induced/CountOp.hpp"

#include "complete/FiniteDomain.hpp"
#include "complete/Trail.hpp"
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
    std::vector<int> universeOf;
    for (CPObject* o : list) {
        if (!o->IsVariable()) {
            m_constants += Counted(o->GetValue()) ? 1 : 0;
            continue;
        }
        auto* v = static_cast<Variable*>(o);
        v->ExpandDomain();
        FiniteDomain* d = v->GetFiniteDomain();
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
        universeOf.push_back(universe);
        m_entries.push_back(Operand{v, universe >= 0 ? d : nullptr, nullptr, 0, -1, 0});
    }
    // The position lists are complete: point the operands at them.
    for (std::size_t k = 0; k < m_entries.size(); ++k)
        if (universeOf[k] >= 0) {
            const std::vector<int>& positions = m_positions[static_cast<std::size_t>(universeOf[k])];
            m_entries[k].positions = positions.data();
            m_entries[k].positionCount = static_cast<int>(positions.size());
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

CountOp::Share CountOp::ShareOfAny(const Operand& o) const {
    if (o.domain == nullptr) {
        if (!o.var->IsInstantiated()) return Share::Maybe;
        return Counted(o.var->GetCurrentValue()) ? Share::Surely : Share::Never;
    }
    const int* begin = o.positions;
    const int* end = o.positions + o.positionCount;
    if (o.var->IsInstantiated())
        return std::find(begin, end, o.var->GetIndex()) != end ? Share::Surely : Share::Never;
    // The counted values are looked up in the domain (a few lookups), not the domain walked.
    const FiniteDomain* d = o.domain;
    std::int64_t inside = 0;
    for (const int* p = begin; p != end; ++p)
        inside += d->Contains(*p) ? 1 : 0;
    if (inside == 0) return Share::Never;
    return inside == d->Count() ? Share::Surely : Share::Maybe;
}

inline CountOp::Share CountOp::ShareOf(const Operand& o) const {
    if (o.positionCount != 1 || o.domain == nullptr) return ShareOfAny(o);
    // One counted value in a finite domain (the usual count): one lookup.
    const int p = o.positions[0];
    if (o.var->IsInstantiated()) return o.var->GetIndex() == p ? Share::Surely : Share::Never;
    if (!o.domain->Contains(p)) return Share::Never;
    return o.domain->Count() == 1 ? Share::Surely : Share::Maybe;
}

void CountOp::Set(int& value, std::uint64_t& stamp, int to) {
    if (value == to) return;
    if (Trail* trail = m_domain.GetTrail(); trail != nullptr) trail->Save(value, stamp);
    value = to;
}

bool CountOp::Update(Operand& o) {
    const int was = o.share;
    const int now = static_cast<int>(ShareOf(o));
    if (was == now) return false;
    const auto weight = [](int share, Share kind) { return share == static_cast<int>(kind) ? 1 : 0; };
    Set(m_sure, m_sureStamp, m_sure - weight(was, Share::Surely) + weight(now, Share::Surely));
    Set(m_maybe, m_maybeStamp, m_maybe - weight(was, Share::Maybe) + weight(now, Share::Maybe));
    Set(o.share, o.stamp, now);
    return true;
}

bool CountOp::IsWokenBy(int i, DomainEvent event) {
    (void)event;
    // Entry 0 of the definition's variables is this one, then come the variable operands.
    if (i == 0 || !m_known) return true;
    // A domain only narrows: an operand never or surely counted stays so.
    Operand& o = m_entries[static_cast<std::size_t>(i) - 1];
    if (o.share != static_cast<int>(Share::Maybe) || !Update(o)) return false;
    // Propagate narrows the count to sure .. sure + maybe, and settles the open operands once
    // the count is at either end.
    const long long lo = MinInt();
    const long long hi = MaxInt();
    return lo < m_sure || hi > m_sure + m_maybe || (m_maybe > 0 && (hi == m_sure || lo == m_sure + m_maybe));
}

void CountOp::OnLabelled(const Variable* v, bool labelled) {
    m_labelled = nullptr;
    m_labelledFirst = m_labelledLast = -1;
    if (!labelled) return;
    for (std::size_t k = 0; k < m_entries.size(); ++k)
        if (m_entries[k].var == v) {
            if (m_labelledFirst < 0) m_labelledFirst = static_cast<int>(k);
            m_labelledLast = static_cast<int>(k);
        }
    if (m_labelledFirst >= 0) m_labelled = v;
}

bool CountOp::Propagate() {
    if (!m_known) {
        // The first run learns every operand; later ones learn from the changes (IsWokenBy)
        // and from the operand just labelled, which changes no domain.
        Set(m_sure, m_sureStamp, m_constants);
        for (Operand& o : m_entries)
            (void)Update(o);
        m_known = true;
        // An operand that may or may not take the one counted value stays so while it keeps
        // that value beside others: the queue need not ask about such changes (until now every
        // change woke the count).
        for (std::size_t k = 0; k < m_entries.size(); ++k) {
            const Operand& o = m_entries[k];
            if (o.domain != nullptr && o.positionCount == 1)
                o.var->SetWatch(GetDefinition(), static_cast<int>(k) + 1, o.positions[0]);
        }
    } else if (m_labelled != nullptr) {
        for (int k = m_labelledFirst; k <= m_labelledLast; ++k) {
            Operand& o = m_entries[static_cast<std::size_t>(k)];
            if (o.var == m_labelled) (void)Update(o);
        }
    }
    if (!Restrict(m_sure, m_sure + m_maybe)) return false;
    const bool forbid = MaxInt() == m_sure;
    const bool force = MinInt() == m_sure + m_maybe;
    if (m_maybe == 0 || (!forbid && !force)) return true;
    for (Operand& o : m_entries) {
        if (o.share != static_cast<int>(Share::Maybe) || o.domain == nullptr) continue;
        FiniteDomain* d = o.domain;
        const int* begin = o.positions;
        const int* end = o.positions + o.positionCount;
        if (forbid) {
            for (const int* p = begin; p != end; ++p)
                if (!d->Remove(*p)) return false;
        } else if (o.positionCount == 1) {
            if (!d->KeepOnly(*begin)) return false;
        } else {
            d->ForEachIndex([&](int p) {
                if (std::find(begin, end, p) == end) (void)d->Remove(p);
            });
            if (d->IsEmpty()) return false;
        }
        // The operand's own changes do not come back to the running count.
        (void)Update(o);
    }
    return true;
}

} // namespace GFCLib
