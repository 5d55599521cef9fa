#include "complete/induced/InducedVar.hpp"

#include "complete/Variable.hpp"
#include "complete/induced/Definition.hpp"

namespace GFCLib {

void InducedVar::AttachDefinition() {
    if (m_attached || m_definition == nullptr) return;
    m_attached = true;
    m_definition->Attach();
}

void InducedVar::Define(Variable* self, const std::vector<CPObject*>& operands) {
    std::vector<CPObject*> args;
    args.reserve(operands.size() + 1);
    args.push_back(self);
    args.insert(args.end(), operands.begin(), operands.end());
    m_definition = std::make_unique<Definition>(this, args);
}

} // namespace GFCLib
