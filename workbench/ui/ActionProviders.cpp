#include "workbench/ui/ActionProviders.hpp"

namespace TavWorkbench::Ui {

ElementActions* ActionProviders::For(CommandId id) const {
    for (const auto& provider : m_providers)
        if (provider->Provides(id)) return provider.get();
    return nullptr;
}

std::set<CommandId> ActionProviders::Provided() const {
    std::set<CommandId> provided;
    for (const CommandInfo& info : Commands())
        if (Provides(info.id)) provided.insert(info.id);
    return provided;
}

} // namespace TavWorkbench::Ui
