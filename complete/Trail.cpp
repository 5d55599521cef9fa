#include "complete/Trail.hpp"

#include "complete/FiniteDomain.hpp"
#include "complete/PropagationQueue.hpp"
#include "complete/SetDomain.hpp"
#include "complete/Variable.hpp"

#include <algorithm>

namespace GFCLib {

void Trail::PushLevel() {
    m_stamp = m_nextStamp++;
    m_levels.push_back(Level{m_finiteTop, m_setTop, m_ints.size(), m_pasts.size(), m_stamp});
}

void Trail::UndoLevel() {
    if (m_levels.empty()) return;
    RestoreTo(m_levels.back());
    m_stamp = m_nextStamp++;
    m_levels.back().stamp = m_stamp;
}

void Trail::PopLevel() {
    if (m_levels.empty()) return;
    RestoreTo(m_levels.back());
    m_levels.pop_back();
    m_stamp = m_levels.empty() ? 0 : m_levels.back().stamp;
}

void Trail::RestoreTo(const Level& level) {
    // Read once: the stores below might otherwise make the loops load it per entry.
    std::vector<Variable*>* const log = m_changeLog;
    while (m_finiteTop > level.finite) {
        FiniteEntry& e = m_finite[--m_finiteTop];
        if (log != nullptr) log->push_back(e.domain->m_owner);
        FiniteDomainState& live = e.domain->m_state;
        live.m_min = e.min;
        live.m_max = e.max;
        live.m_size = e.size;
        live.m_explicit = e.isExplicit;
        // The live buffer keeps its length once made; only the words of the bounds come back.
        if (e.isExplicit) std::copy_n(e.Words(), e.wordCount, live.m_bits.Words() + e.firstWord);
        e.domain->m_stamp = e.stamp;
    }
    while (m_setTop > level.sets) {
        SetEntry& e = m_sets[--m_setTop];
        if (log != nullptr) log->push_back(e.domain->m_owner);
        e.domain->m_state.Assign(e.state);
        e.domain->m_stamp = e.stamp;
    }
    while (m_ints.size() > level.ints) {
        const IntEntry& e = m_ints.back();
        *e.value = e.old;
        *e.stamp = e.oldStamp;
        m_ints.pop_back();
    }
    while (m_pasts.size() > level.pasts) {
        m_pasts.back().var->PastSet().Erase(m_pasts.back().id);
        m_pasts.pop_back();
    }
}

void Trail::SaveInt(int& value, std::uint64_t& stamp) {
    if (m_levels.empty()) return;
    m_ints.push_back(IntEntry{&value, value, &stamp, stamp});
    stamp = m_stamp;
}

void Trail::SavePastEntry(Variable* var, int id) {
    if (!m_levels.empty()) m_pasts.push_back(PastEntry{var, id});
}

void Trail::Changed(Variable* owner, DomainEvent event, int oldMin, int oldMax, bool inside) {
    if (m_listener != nullptr) m_listener->OnChange(owner, event, oldMin, oldMax, inside);
}

void Trail::Save(FiniteDomain& domain) {
    if (m_finiteTop == m_finite.size()) m_finite.emplace_back();
    FiniteEntry& e = m_finite[m_finiteTop++];
    if (m_changeLog != nullptr) m_changeLog->push_back(domain.m_owner);
    e.domain = &domain;
    e.stamp = domain.m_stamp;
    const FiniteDomainState& live = domain.m_state;
    e.min = live.m_min;
    e.max = live.m_max;
    e.size = live.m_size;
    e.isExplicit = live.m_explicit && live.m_size > 0;
    if (e.isExplicit) {
        e.firstWord = live.m_min / BitVector::kBitsPerWord;
        e.wordCount = live.m_max / BitVector::kBitsPerWord + 1 - e.firstWord;
        if (e.wordCount > 4) e.words.resize(static_cast<std::size_t>(e.wordCount));
        std::copy_n(live.m_bits.Words() + e.firstWord, e.wordCount, e.Words());
    }
    domain.m_stamp = m_stamp;
}

void Trail::CutSaved(const FiniteDomain& domain, int first) {
    for (std::size_t i = 0; i < m_finiteTop; ++i) {
        FiniteEntry& e = m_finite[i];
        if (e.domain != &domain || e.size == 0 || e.max < first) continue;
        if (e.min >= first) {
            e.min = 0;
            e.max = -1;
            e.size = 0;
            e.isExplicit = false;
            continue;
        }
        if (!e.isExplicit) {
            e.max = first - 1;
            e.size = static_cast<std::int64_t>(e.max) - e.min + 1;
            continue;
        }
        // Walk the saved words down from the cut to the new largest position, and count.
        const std::uint32_t* words = e.Words();
        const auto bitAt = [&](int p) {
            const std::uint32_t word = words[p / BitVector::kBitsPerWord - e.firstWord];
            return ((word >> (p % BitVector::kBitsPerWord)) & 1u) != 0;
        };
        int top = first - 1;
        while (top > e.min && !bitAt(top))
            --top;
        e.max = top;
        std::int64_t count = 0;
        for (int p = e.min; p <= top; ++p)
            count += bitAt(p) ? 1 : 0;
        e.size = count;
    }
}

void Trail::Save(SetDomain& domain) {
    if (m_setTop == m_sets.size()) m_sets.emplace_back();
    SetEntry& e = m_sets[m_setTop++];
    if (m_changeLog != nullptr) m_changeLog->push_back(domain.m_owner);
    e.domain = &domain;
    e.stamp = domain.m_stamp;
    e.state.Assign(domain.m_state);
    domain.m_stamp = m_stamp;
}

} // namespace GFCLib
