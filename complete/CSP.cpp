#include "complete/CSP.hpp"

#include "complete/Constraint.hpp"
#include "complete/Variable.hpp"
#include "complete/constraints/Minimise.hpp"
#include "complete/induced/InducedVar.hpp"

#include <algorithm>
#include <cstring>

namespace GFCLib {

CSP::~CSP() {
    // Constraints never touch their variables when deleted, so any order will do. Each object is
    // in the lists once: a set of those already deleted cost more than deleting them, for a
    // million variables.
    for (Constraint* c : m_constraints)
        delete c;
    for (Minimise* m : m_objectives)
        delete m;
    for (Variable* v : m_inducedVariables)
        delete v;
    for (Variable* v : m_variables)
        delete v;
    for (Value* v : m_values)
        delete v;
    for (std::vector<Value>* list : m_valueLists)
        delete list;
}

void CSP::AddVariable(Variable* var) {
    if (var == nullptr) return;
    if (var->IsInduced()) {
        m_inducedVariables.push_back(var);
        if (auto* induced = dynamic_cast<InducedVar*>(var)) induced->AttachDefinition();
    } else {
        m_variables.push_back(var);
    }
}

Variable* CSP::Lookup(const std::vector<Variable*>& list, NameIndex& index, const std::string& name) {
    if (index.indexed > list.size()) {
        // The list was cut back: index it again.
        index.byName.clear();
        index.indexed = 0;
    }
    for (; index.indexed < list.size(); ++index.indexed)
        if (Variable* v = list[index.indexed]; v != nullptr) index.byName.emplace(PrintedName(*v), v);
    auto it = index.byName.find(name);
    return it != index.byName.end() ? it->second : nullptr;
}

Variable* CSP::FindVariable(const char* name) const {
    if (name == nullptr) return nullptr;
    const std::string key(name);
    if (Variable* v = Lookup(m_variables, m_decisionNames, key)) return v;
    return Lookup(m_inducedVariables, m_inducedNames, key);
}

Variable* CSP::FindVariable(const CPObject* object) const {
    if (object == nullptr) return nullptr;
    return FindVariable(PrintedName(*object).c_str());
}

void CSP::SetObjective(Minimise* objective) {
    m_objectives.push_back(objective);
    m_objective = objective;
}

} // namespace GFCLib
