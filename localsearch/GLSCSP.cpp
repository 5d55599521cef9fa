#include "localsearch/GLSCSP.hpp"

#include "localsearch/IntDom.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/SetDom.hpp"
#include "localsearch/SetVar.hpp"

#include <cstring>

namespace GLSLib {

GLSCSP::GLSCSP() : m_state(std::make_shared<ModelState>()) {
    PushState(m_state);
}

GLSCSP::~GLSCSP() {
    if (!m_state) return; // moved from
    m_state->registry.DeleteAll();
    m_state->Close();
    PopState(m_state.get());
}

GLSCSP& GLSCSP::operator=(GLSCSP&& other) noexcept {
    if (this == &other) return *this;
    if (m_state) {
        m_state->registry.DeleteAll();
        m_state->Close();
        PopState(m_state.get());
    }
    m_state = std::move(other.m_state);
    m_hasSoft = other.m_hasSoft;
    m_variables = std::move(other.m_variables);
    m_intDomains = std::move(other.m_intDomains);
    m_setDomains = std::move(other.m_setDomains);
    m_setVariables = std::move(other.m_setVariables);
    m_constraints = std::move(other.m_constraints);
    m_objective = other.m_objective;
    other.m_objective = nullptr;
    return *this;
}

ModelScope::ModelScope(GLSCSP& problem) : m_state(problem.m_state.get()) {
    PushState(problem.m_state);
}

ModelScope::~ModelScope() {
    PopState(m_state);
}

void GLSCSP::AddSetVariable(SetVar* s) {
    m_setVariables.push_back(s);
    for (unsigned i = 0; i < s->NumArgs(); ++i)
        m_variables.push_back(static_cast<IntVar*>(s->GetArg(static_cast<int>(i))));
}

IntDom* GLSCSP::FindIntDomain(const std::string& name) const {
    for (IntDom* d : m_intDomains)
        if (d->GetName() == name) return d;
    return nullptr;
}

SetDom* GLSCSP::FindSetDomain(const std::string& name) const {
    for (SetDom* d : m_setDomains)
        if (d->GetName() == name) return d;
    return nullptr;
}

IntVar* GLSCSP::FindVariable(const std::string& name) const {
    for (IntVar* v : m_variables)
        if (name == v->GetName()) return v;
    return nullptr;
}

SetVar* GLSCSP::FindSetVariable(const std::string& name) const {
    for (SetVar* s : m_setVariables)
        if (name == s->GetName()) return s;
    return nullptr;
}

void GLSCSP::AddSoftConstraint(Con* c) {
    m_hasSoft = true;
    m_constraints.push_back(c);
}

} // namespace GLSLib
