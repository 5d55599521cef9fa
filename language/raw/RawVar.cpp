#include "language/raw/RawVar.hpp"

#include "language/Bug.hpp"

namespace TavLanguage {

namespace {
thread_local int t_nextId = 0;
}

RawVar::RawVar(RawType type, std::string name, RPtr<RawDom> domain)
    : RawExpr(type), m_name(std::move(name)), m_domain(std::move(domain)), m_id(0) {
    switch (type) {
    case RawType::BoolVar:
    case RawType::IntVar:
    case RawType::FltVar:
    case RawType::SetVar:
    case RawType::StrVar:
        break;
    default:
        throw Bug("RawVar.cpp", 19);
    }
    m_id = t_nextId++;
}

std::string RawVar::GetDomainName() const {
    return m_domain ? m_domain->GetName() : std::string();
}

void RawVar::ResetIdCounter() {
    t_nextId = 0;
}

} // namespace TavLanguage
