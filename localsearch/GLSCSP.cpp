#include "localsearch/GLSCSP.hpp"

#include "localsearch/ClassWideValues.hpp"
#include "localsearch/IntDom.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/SetDom.hpp"
#include "localsearch/SetVar.hpp"

#include <cstring>

namespace GLSLib {

GLSCSP::GLSCSP() {
    ResetForNewProblem();
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
