#pragma once
// The problem container of the complete search: decision variables, induced variables,
// constraints, constant values and value lists made for arguments, and the objectives. It owns
// everything in its lists and deletes it with itself: each object belongs in one list, once.

#include "complete/Value.hpp"

#include <string>
#include <unordered_map>
#include <vector>

namespace GFCLib {

class Variable;
class Constraint;
class Minimise;

class CSP {
public:
    CSP() = default;
    ~CSP();
    CSP(const CSP&) = delete;
    CSP& operator=(const CSP&) = delete;

    // Appends to the induced list when the variable is induced (attaching its definition), else
    // to the decision list.
    void AddVariable(Variable* var);
    // The variable of that printed name, decision list first; null when none. Names are indexed
    // as the lists grow (amortised O(1) a lookup): name a variable before it joins a list, and
    // only append to the lists.
    Variable* FindVariable(const char* name) const;
    Variable* FindVariable(const CPObject* object) const;
    // Appends the objective and makes it current.
    void SetObjective(Minimise* objective);
    Minimise* GetObjective() const { return m_objective; }

    std::vector<Variable*>& GetVariables() { return m_variables; }
    std::vector<Variable*>& GetInducedVariables() { return m_inducedVariables; }
    std::vector<Constraint*>& GetConstraints() { return m_constraints; }
    std::vector<Value*>& GetValues() { return m_values; }
    std::vector<std::vector<Value>*>& GetValueLists() { return m_valueLists; }
    std::vector<Minimise*>& GetObjectives() { return m_objectives; }
    const std::vector<Variable*>& GetVariables() const { return m_variables; }
    const std::vector<Variable*>& GetInducedVariables() const { return m_inducedVariables; }
    const std::vector<Constraint*>& GetConstraints() const { return m_constraints; }

private:
    struct NameIndex {
        std::unordered_map<std::string, Variable*> byName; // first variable of each name
        std::size_t indexed = 0;                           // list entries indexed so far
    };
    static Variable* Lookup(const std::vector<Variable*>& list, NameIndex& index, const std::string& name);

    std::vector<Variable*> m_variables;
    std::vector<Variable*> m_inducedVariables;
    std::vector<Constraint*> m_constraints;
    std::vector<Value*> m_values;
    std::vector<std::vector<Value>*> m_valueLists;
    std::vector<Minimise*> m_objectives;
    Minimise* m_objective = nullptr;
    mutable NameIndex m_decisionNames;
    mutable NameIndex m_inducedNames;
};

} // namespace GFCLib
