#pragma once
// The local-search problem: lists of variables, domains and constraints and the optional
// objective, filled by a bridge or reader and searched by an engine. The container owns only
// its lists; the objects belong to the registry of Obj.

#include <string>
#include <vector>

namespace GLSLib {

class Con;
class IntDom;
class IntVar;
class Minimise;
class SetDom;
class SetVar;

class GLSCSP {
public:
    // An empty problem. Puts the per-problem class-wide values back to their starting values
    // (ids restart at 0, no best objective value, no running engine).
    GLSCSP();
    virtual ~GLSCSP() = default;

    void AddVariable(IntVar* v) { m_variables.push_back(v); }
    // Appends s to the set variables and its element variables to the integer variables.
    void AddSetVariable(SetVar* s);
    void AddIntDomain(IntDom* d) { m_intDomains.push_back(d); }
    // The first integer domain of that name, or null.
    IntDom* FindIntDomain(const std::string& name) const;
    void AddSetDomain(SetDom* d) { m_setDomains.push_back(d); }
    // The first set domain of that name, or null.
    SetDom* FindSetDomain(const std::string& name) const;
    // The first integer variable (element variables included) of that name, or null.
    IntVar* FindVariable(const std::string& name) const;
    // The first set variable of that name, or null.
    SetVar* FindSetVariable(const std::string& name) const;
    // Appends a posted constraint.
    void AddConstraint(Con* c) { m_constraints.push_back(c); }
    // Appends a posted soft constraint and marks the problem as having soft constraints.
    void AddSoftConstraint(Con* c);
    // Stores the objective (replacing an earlier one).
    void SetObjective(Minimise* objective) { m_objective = objective; }
    Minimise* GetObjective() const { return m_objective; }
    bool HasObjective() const { return m_objective != nullptr; }
    bool HasSoftConstraints() const { return m_hasSoft; }
    std::vector<IntVar*>& GetVariables() { return m_variables; }
    const std::vector<IntVar*>& GetVariables() const { return m_variables; }
    std::vector<SetVar*>& GetSetVariables() { return m_setVariables; }
    const std::vector<SetVar*>& GetSetVariables() const { return m_setVariables; }
    std::vector<Con*>& GetConstraints() { return m_constraints; }
    const std::vector<Con*>& GetConstraints() const { return m_constraints; }
    const std::vector<IntDom*>& GetIntDomains() const { return m_intDomains; }
    const std::vector<SetDom*>& GetSetDomains() const { return m_setDomains; }

private:
    bool m_hasSoft = false;
    std::vector<IntVar*> m_variables;
    std::vector<IntDom*> m_intDomains;
    std::vector<SetDom*> m_setDomains;
    std::vector<SetVar*> m_setVariables;
    std::vector<Con*> m_constraints;
    Minimise* m_objective = nullptr;
};

} // namespace GLSLib
