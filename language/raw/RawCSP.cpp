#include "language/raw/RawCSP.hpp"

#include "language/Bug.hpp"

#include <ostream>

namespace TavLanguage {

RawCSP::RawCSP() {
    RawVar::ResetIdCounter();
}

RawCSP::~RawCSP() = default;

void RawCSP::AddDomain(RPtr<RawDom> domain) {
    if (!domain) throw Bug("RawCSP.cpp", 11);
    m_domains.push_back(std::move(domain));
}

void RawCSP::AddVariable(RPtr<RawVar> variable) {
    if (!variable) throw Bug("RawCSP.cpp", 16);
    if (variable->GetType() == RawType::FltVar)
        m_realVariables.push_back(std::move(variable));
    else
        m_variables.push_back(std::move(variable));
}

void RawCSP::AddConstraint(RPtr<RawCon> constraint) {
    if (!constraint) throw Bug("RawCSP.cpp", 23);
    if (m_realVariables.empty())
        m_constraints.push_back(std::move(constraint));
    else
        m_realConstraints.push_back(std::move(constraint));
}

void RawCSP::AddSoftConstraint(RPtr<RawSoftCon> constraint) {
    if (!constraint) throw Bug("RawCSP.cpp", 29);
    m_softConstraints.push_back(std::move(constraint));
}

bool RawCSP::FindDomain(const std::string& name, RawType type, RPtr<RawDom>& domain) const {
    for (const auto& d : m_domains) {
        if (d->GetType() == type && d->GetName() == name) {
            domain = d;
            return true;
        }
    }
    return false;
}

RPtr<RawDom> RawCSP::FindDomain(const std::string& name) const {
    for (const auto& d : m_domains) {
        if (d->GetName() == name) return d;
    }
    return nullptr;
}

RPtr<RawVar> RawCSP::FindVariable(const std::string& name) const {
    for (const auto* list : {&m_variables, &m_realVariables})
        for (const auto& v : *list)
            if (v->GetName() == name) return v;
    return RPtr<RawVar>();
}

namespace {
void WriteVariable(std::ostream& out, const RawVar& v) {
    out << "  " << RawTypeName(v.GetType()) << " " << v.GetName();
    if (v.GetDomain()) out << " :: " << v.GetDomainName();
    out << "\n";
}
} // namespace

std::ostream& RawCSP::Print(std::ostream& out) const {
    out << "Domains (" << m_domains.size() << ")\n";
    for (const auto& d : m_domains) {
        out << "  " << RawTypeName(d->GetType()) << " " << d->GetName() << " = " << *d->GetValues() << "\n";
    }
    out << "Variables (" << m_variables.size() << ")\n";
    for (const auto& v : m_variables)
        WriteVariable(out, *v);
    if (!m_realVariables.empty()) {
        out << "Real variables (" << m_realVariables.size() << ")\n";
        for (const auto& v : m_realVariables)
            WriteVariable(out, *v);
    }
    out << "Constraints (" << m_constraints.size() << ")\n";
    for (const auto& c : m_constraints)
        out << "  " << *c << "\n";
    if (!m_realConstraints.empty()) {
        out << "Real constraints (" << m_realConstraints.size() << ")\n";
        for (const auto& c : m_realConstraints)
            out << "  " << *c << "\n";
    }
    if (!m_softConstraints.empty()) {
        out << "Soft constraints (" << m_softConstraints.size() << ")\n";
        for (const auto& c : m_softConstraints)
            out << "  " << *c << "\n";
    }
    if (m_objective) out << "Objective\n  " << *m_objective << "\n";
    if (m_realObjective) out << "Real objective\n  " << *m_realObjective << "\n";
    return out;
}

std::ostream& operator<<(std::ostream& out, const RawCSP& problem) {
    return problem.Print(out);
}

} // namespace TavLanguage
