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
    if (wake != DomainEvent::None) m_woken[static_cast<std::size_t>(wake) - 1].push_back(Waking{c, index, -1});
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
    for (auto& woken : m_woken) {
        auto at =
            std::find_if(woken.begin(), woken.end(), [c](const Waking& w) { return w.constraint == c; });
        if (at != woken.end()) {
            woken.erase(at);
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
