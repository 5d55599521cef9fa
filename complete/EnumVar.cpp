#include "complete/EnumVar.hpp"

#include "complete/EnumVarState.hpp"
#include "platform/FatalError.hpp"

namespace GFCLib {

EnumVar::EnumVar(const char* name, const char* specName) : FiniteVar(name, std::make_unique<EnumVarState>()) {
    FiniteDomainSpec* spec = FiniteDomainSpec::Find(specName);
    if (spec == nullptr)
        throw Platform::InternalError(std::string("Unknown finite domain ") +
                                      (specName != nullptr ? specName : ""));
    m_domain.Bind(spec);
    m_domain.Expand();
}

} // namespace GFCLib
