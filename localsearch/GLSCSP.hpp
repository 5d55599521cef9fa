#pragma once
// The local-search problem: lists of variables, domains and constraints and the optional
// objective, filled by a bridge or reader and searched by an engine. It also holds the
// problem's own state (ModelState): the registry of the model objects made for it, which it
// frees when it is destroyed, its tuning values and counters, and its random sequence.
// Several problems may live at once, on one thread or on several.

#include "localsearch/ModelState.hpp"

#include <memory>
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
    // An empty problem with a fresh state (ids from 0, no best objective value, no engine,
    // every weight and setting at its starting value). It becomes the current problem of the
    // constructing thread (see ModelScope), so objects made next on this thread belong to it.
    GLSCSP();
    // Frees every model object of the problem.
    virtual ~GLSCSP();
    GLSCSP(const GLSCSP&) = delete;
    GLSCSP& operator=(const GLSCSP&) = delete;
    // Frees this problem's objects and takes over other's lists and state; other is left
    // empty and can no longer be built into.
    GLSCSP& operator=(GLSCSP&& other) noexcept;

    // The problem's registry, values and random sequence.
    ModelState& State() { return *m_state; }
    const ModelState& State() const { return *m_state; }
    ModelValues& Values() { return m_state->values; }
    const ModelValues& Values() const { return m_state->values; }
    Platform::Random& Random() { return m_state->random; }

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
    friend class ModelScope;
    std::shared_ptr<ModelState> m_state;
    bool m_hasSoft = false;
    std::vector<IntVar*> m_variables;
    std::vector<IntDom*> m_intDomains;
    std::vector<SetDom*> m_setDomains;
    std::vector<SetVar*> m_setVariables;
    std::vector<Con*> m_constraints;
    Minimise* m_objective = nullptr;
};

// Makes a problem the current one of this thread while it lives: objects made meanwhile
// belong to it and the library's static accessors (Con::GetCount, Feature::GetLambda, ...)
// read its values. Engines open one for every call; a builder opens one when it fills a
// problem that is not the one it constructed last on this thread.
class ModelScope {
public:
    explicit ModelScope(GLSCSP& problem);
    ~ModelScope();
    ModelScope(const ModelScope&) = delete;
    ModelScope& operator=(const ModelScope&) = delete;

private:
    const ModelState* m_state;
};

} // namespace GLSLib
