#pragma once
// The registered providers of the element commands, asked in the order they were added: the
// first that serves a command carries it out.

#include "workbench/ui/ElementActions.hpp"

#include <memory>
#include <set>
#include <vector>

namespace TavWorkbench::Ui {

class ActionProviders {
public:
    void Add(std::unique_ptr<ElementActions> provider) { m_providers.push_back(std::move(provider)); }

    // The provider that serves `id`, null when none does.
    ElementActions* For(CommandId id) const;
    bool Provides(CommandId id) const { return For(id) != nullptr; }
    // Every command of the table that some provider serves.
    std::set<CommandId> Provided() const;

private:
    std::vector<std::unique_ptr<ElementActions>> m_providers;
};

} // namespace TavWorkbench::Ui
