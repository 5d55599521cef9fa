#include "complete/Variable.hpp"

#include "complete/Constraint.hpp"
#include "complete/FiniteDomain.hpp"
#include "complete/Registry.hpp"

#include <algorithm>
#include <ostream>

namespace GFCLib {

Variable::Variable(const char* name)
    : m_id(Registry::Current().NextVariableId()), m_name(name != nullptr ? name : "") {}

void Variable::ResetIdCounter() {
    Registry::Current().ResetVariableIds();
}
int Variable::GetIdCounter() {
    return Registry::Current().VariableIdCount();
}

const Value& Variable::GetValue() const {
    return IsInstantiated() ? GetState().m_value : UndefinedValue();
}

void Variable::Print(std::ostream& os) const {
    os << " var id = " << m_id << " ";
    PrintName(os);
    if (IsInstantiated()) {
        os << " = ";
        PrintValue(os);
    } else {
        os << " in ";
        PrintDomain(os);
    }
    os << " past vars ";
    IdSet past;
    AddPastTo(past);
    past.ForEach([&](int id) { os << id << " "; });
    os << " conflict set ";
    m_conflictSet.ForEach([&](int id) { os << id << " "; });
}

void Variable::PrintName(std::ostream& os) const {
    if (m_name.empty())
        os << "_V" << m_id;
    else
        os << m_name;
}

void Variable::PrintValue(std::ostream& os) const {
    os << GetState().m_value;
}

void Variable::AddConstraint(Constraint* c, DomainEvent wake, int index) {
    m_constraints.push_back(c);
    if (c->KeepsPast()) m_pastKeepers.push_back(c);
    if (wake == DomainEvent::None) return;
    const std::size_t list = static_cast<std::size_t>(wake) - 1;
    m_woken[list].push_back(Waking{c, index, -1});
    AddToRuns(list, m_woken[list].size() - 1);
}

const Variable* Variable::PartnerIn(const Constraint* c) const {
    // A constraint that filters its wakes hears of every change, its other variable bound or not.
    const auto& vars = c->GetVars();
    if (vars.size() != 2 || c->GetArgs().size() != 2 || vars[0] == vars[1] || c->FiltersWakes())
        return nullptr;
    return vars[0] == this ? vars[1] : vars[0];
}

void Variable::RebuildRuns(std::size_t list) {
    // The stretches after an erased entry moved: build them again.
    m_runs[list].clear();
    for (std::size_t k = 0; k < m_woken[list].size(); ++k)
        AddToRuns(list, k);
}

void Variable::AddToRuns(std::size_t list, std::size_t entry) {
    const Variable* partner = PartnerIn(m_woken[list][entry].constraint);
    std::vector<WakeRun>& runs = m_runs[list];
    if (!runs.empty() && runs.back().partner == partner) {
        ++runs.back().count;
        return;
    }
    runs.push_back(WakeRun{partner, static_cast<std::uint32_t>(entry), 1});
}

void Variable::SetWatch(const Constraint* c, int index, int watch) {
    std::vector<Waking>& woken = m_woken[static_cast<std::size_t>(DomainEvent::Values) - 1];
    const auto at = std::find_if(woken.begin(), woken.end(),
                                 [&](const Waking& w) { return w.constraint == c && w.index == index; });
    if (at == woken.end()) return;
    Waking moved = *at;
    woken.erase(at);
    RebuildRuns(static_cast<std::size_t>(DomainEvent::Values) - 1);
    moved.watch = watch;
    // After the watchers of the same position, so that they keep their order of registration.
    const auto place = std::upper_bound(m_watchers.begin(), m_watchers.end(), watch,
                                        [](int p, const Waking& w) { return p < w.watch; });
    m_watchers.insert(place, moved);
    IndexWatchers();
}

void Variable::IndexWatchers() {
    m_watcherFrom.clear();
    const FiniteDomain* d = GetFiniteDomain();
    const std::int64_t universe = d != nullptr ? d->UniverseSize() : 0;
    if (m_watchers.empty() ||
        universe > kWatcherTablePerEntry * static_cast<std::int64_t>(m_watchers.size()) + 64)
        return;
    m_watcherFrom.resize(static_cast<std::size_t>(universe) + 1);
    std::size_t k = 0;
    for (int p = 0; p <= universe; ++p) {
        while (k < m_watchers.size() && m_watchers[k].watch < p)
            ++k;
        m_watcherFrom[static_cast<std::size_t>(p)] = static_cast<int>(k);
    }
}

std::size_t Variable::FirstWatcherFrom(int p) const {
    if (!m_watcherFrom.empty()) {
        if (p <= 0) return 0;
        const std::size_t at = std::min(static_cast<std::size_t>(p), m_watcherFrom.size() - 1);
        return static_cast<std::size_t>(m_watcherFrom[at]);
    }
    const auto at = std::lower_bound(m_watchers.begin(), m_watchers.end(), p,
                                     [](const Waking& w, int q) { return w.watch < q; });
    return static_cast<std::size_t>(at - m_watchers.begin());
}

void Variable::AddPastTo(IdSet& out) const {
    out.InsertAll(m_pastSet);
    for (const Constraint* c : m_pastKeepers)
        for (int id : c->GetKeptPast())
            if (id != m_id) out.Insert(id);
}

void Variable::RemoveConstraint(Constraint* c) {
    auto it = std::find(m_constraints.begin(), m_constraints.end(), c);
    if (it != m_constraints.end()) m_constraints.erase(it);
    auto kept = std::find(m_pastKeepers.begin(), m_pastKeepers.end(), c);
    if (kept != m_pastKeepers.end()) m_pastKeepers.erase(kept);
    for (std::size_t list = 0; list < 3; ++list) {
        std::vector<Waking>& woken = m_woken[list];
        auto at =
            std::find_if(woken.begin(), woken.end(), [c](const Waking& w) { return w.constraint == c; });
        if (at != woken.end()) {
            woken.erase(at);
            RebuildRuns(list);
            return;
        }
    }
    auto watching = std::find_if(m_watchers.begin(), m_watchers.end(),
                                 [c](const Waking& w) { return w.constraint == c; });
    if (watching != m_watchers.end()) {
        m_watchers.erase(watching);
        IndexWatchers();
    }
}

bool Variable::AllReadyConstraintsSatisfied() const {
    for (const Constraint* c : m_constraints)
        if (c->IsReadyToCheck() && !c->IsSatisfied()) return false;
    return true;
}

void Variable::RestoreIndex(int index) {
    (void)index;
    GetState().m_instantiated = false;
}

void Variable::Unassign() {
    GetState().m_instantiated = false;
    m_level = -1;
}

} // namespace GFCLib
