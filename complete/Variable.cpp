#include "complete/Variable.hpp"

#include "complete/Constraint.hpp"
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
    for (auto& woken : m_woken)
        for (Waking& w : woken)
            if (w.constraint == c && w.index == index) {
                w.watch = watch;
                m_hasWatches = true;
            }
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
            // The stretches after it moved: build them again.
            m_runs[list].clear();
            for (std::size_t k = 0; k < woken.size(); ++k)
                AddToRuns(list, k);
            break;
        }
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
