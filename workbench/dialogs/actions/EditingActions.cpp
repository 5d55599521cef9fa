#include "workbench/dialogs/actions/EditingActions.hpp"

#include "workbench/dialogs/actions/ModelUsage.hpp"
#include "workbench/dialogs/builder/ExpDlgModel.hpp"
#include "workbench/dialogs/constants/ConstDlgModel.hpp"
#include "workbench/dialogs/constants/ConstantsDlgModel.hpp"
#include "workbench/dialogs/constants/IntConstModel.hpp"
#include "workbench/dialogs/constants/StringConstDlgModel.hpp"
#include "workbench/dialogs/domains/DomainDialogs.hpp"
#include "workbench/dialogs/variables/CopyVarDlgModel.hpp"
#include "workbench/dialogs/variables/NewVarDlgModel.hpp"

namespace TavDialogs {

namespace {

ActionOutcome Changed(ElementKind kind, int index, bool modified = true) {
    return {true, modified, kind, index};
}

bool UsedByConstraint(const std::vector<ElementUse>& users) {
    for (const ElementUse& user : users)
        if (user.kind == "Constraint") return true;
    return false;
}

std::string UserList(const std::vector<ElementUse>& users) {
    std::string text;
    for (const ElementUse& user : users)
        text += user.id + "\n";
    return text;
}

} // namespace

ActionOutcome EditingActions::CloneVariable(int index) {
    if (index < 0 || index >= m_model.variables.GetSize()) return {};
    const TavWorkbench::CVariable& source = *m_model.variables[index];
    CopyVarDlgModel dialog(m_model.variables, source.GetID());
    if (!m_host.Run(dialog)) return {};
    const int added = m_model.variables.Add(std::make_unique<TavWorkbench::CVariable>(
        dialog.newID, source.GetType(), source.GetDomainID(), source.GetArrayFlag(), source.GetSizeID(),
        source.GetDimensions()));
    return Changed(ElementKind::Variable, added);
}

ActionOutcome EditingActions::EditVariable(int index) {
    if (index < 0 || index >= m_model.variables.GetSize()) return {};
    const TavWorkbench::CVariable& variable = *m_model.variables[index];
    if (UsedByConstraint(FindUsers(m_model, variable.GetID())))
        m_messages.ShowInfo(variable.GetID() + " in use by a Constraint, check Constraint after any change",
                            {});
    const int domainsBefore = m_model.domains.GetSize();
    NewVarDlgModel dialog(Refs());
    dialog.Load(variable, index, NewVarDlgModel::Mode::Edit);
    if (!m_host.Run(dialog)) {
        // The dialog may have made domains before it was cancelled.
        if (m_model.domains.GetSize() != domainsBefore) return Changed(ElementKind::Domain, -1);
        return {};
    }
    m_model.variables.ReplaceAt(index, dialog.MakeEdited(variable));
    return Changed(ElementKind::Variable, index);
}

ActionOutcome EditingActions::DeleteVariable(int index) {
    if (index < 0 || index >= m_model.variables.GetSize()) return {};
    const std::string id = m_model.variables[index]->GetID();
    const std::vector<ElementUse> users = FindUsers(m_model, id);
    if (UsedByConstraint(users)) {
        m_messages.ShowBox("Cannot Delete - " + id + " in use by a Constraint", {});
        return {};
    }
    if (!users.empty()) {
        m_messages.ShowBox("Cannot Delete - " + id + " in use by\n" + UserList(users), {});
        return {};
    }
    if (!m_messages.AskBox("Delete Variable: " + id, {})) return {};
    m_model.variables.RemoveAt(index);
    return Changed(ElementKind::Variable, -1);
}

ActionOutcome EditingActions::EditDomain(int index) {
    if (index < 0 || index >= m_model.domains.GetSize()) return {};
    if (m_model.domains[index]->IsPredefined()) {
        m_messages.ShowBox("System Domain - Can't Edit", {});
        return {};
    }
    auto edited = RunDomainDialog(m_host, Refs(), index, DialogMode::Edit);
    if (!edited) return {};
    m_model.domains.ReplaceAt(index, std::move(edited));
    return Changed(ElementKind::Domain, index);
}

ActionOutcome EditingActions::DeleteDomain(int index) {
    if (index < 0 || index >= m_model.domains.GetSize()) return {};
    const TavWorkbench::CDomain& domain = *m_model.domains[index];
    if (domain.IsPredefined()) {
        m_messages.ShowBox("System Domain - Can't Delete", {});
        return {};
    }
    const std::string id = domain.GetID();
    if (const std::vector<ElementUse> users = FindUsers(m_model, id); !users.empty()) {
        m_messages.ShowBox("Cannot delete, in Use by\n" + UserList(users), {});
        return {};
    }
    if (!m_messages.AskBox("Delete Domain: " + id, {})) return {};
    m_model.domains.RemoveAt(index);
    return Changed(ElementKind::Domain, -1);
}

ActionOutcome EditingActions::EditConstraint(int index) {
    if (index < 0 || index >= m_model.constraints.GetSize()) return {};
    ExpDlgModel dialog(Refs(), m_templates);
    dialog.Load(*m_model.constraints[index], index, DialogMode::Edit);
    if (!m_host.Run(dialog)) return {};
    dialog.Store(m_model.constraints);
    return Changed(ElementKind::Constraint, index);
}

ActionOutcome EditingActions::DeleteConstraint(int index) {
    if (index < 0 || index >= m_model.constraints.GetSize()) return {};
    if (!m_messages.AskBox("Delete Constraint :" + m_model.constraints[index]->GetID(), {})) return {};
    m_model.constraints.RemoveAt(index);
    return Changed(ElementKind::Constraint, -1);
}

ActionOutcome EditingActions::EditConstant(int index) {
    if (index < 0 || index >= m_model.constants.GetSize()) return {};
    const TavWorkbench::CConstant& constant = *m_model.constants[index];
    switch (constant.GetType()) {
    case TavWorkbench::CConstant::Type::Integer: {
        IntConstModel dialog(Refs());
        dialog.Load(constant, index, DialogMode::Edit);
        if (!m_host.Run(dialog)) return {};
        m_model.constants.ReplaceAt(index, dialog.MakeConstant());
        return Changed(ElementKind::Constant, index);
    }
    case TavWorkbench::CConstant::Type::StringList: {
        StringConstDlgModel dialog(Refs());
        dialog.Load(constant, index, DialogMode::Edit);
        if (!m_host.Run(dialog)) return {};
        m_model.constants.ReplaceAt(
            index, std::make_unique<TavWorkbench::CConstant>(dialog.id, dialog.GetValue(),
                                                             TavWorkbench::CConstant::Type::StringList));
        return Changed(ElementKind::Constant, index);
    }
    case TavWorkbench::CConstant::Type::Set:
    case TavWorkbench::CConstant::Type::List: {
        ConstDlgModel dialog(Refs());
        dialog.Load(constant, index, DialogMode::Edit);
        if (!m_host.Run(dialog)) return {};
        m_model.constants.ReplaceAt(
            index, std::make_unique<TavWorkbench::CConstant>(dialog.id, dialog.GetValue(), dialog.GetType()));
        return Changed(ElementKind::Constant, index);
    }
    }
    // A code no kind has: no dialog edits it.
    return {};
}

ActionOutcome EditingActions::DeleteConstant(int index) {
    if (index < 0 || index >= m_model.constants.GetSize()) return {};
    const std::string id = m_model.constants[index]->GetID();
    if (const std::string inUse = ConstantInUseMessage(m_model, id); !inUse.empty()) {
        m_messages.ShowBox(inUse, {});
        return {};
    }
    if (!m_messages.AskBox("Delete Constant : " + id, {})) return {};
    m_model.constants.RemoveAt(index);
    return Changed(ElementKind::Constant, -1);
}

ActionOutcome EditingActions::RemoveOptimisation() {
    if (!m_messages.AskBox("Remove ALL Optimisation", "Tav")) return {};
    m_model.optimisation.clear();
    return Changed(ElementKind::Optimisation, -1);
}

ActionOutcome EditingActions::AddVariable() {
    const int domainsBefore = m_model.domains.GetSize();
    NewVarDlgModel dialog(Refs());
    if (!m_host.Run(dialog)) {
        if (m_model.domains.GetSize() != domainsBefore) return Changed(ElementKind::Domain, -1);
        return {};
    }
    int last = -1;
    for (auto& variable : dialog.MakeVariables())
        last = m_model.variables.Add(std::move(variable));
    return Changed(ElementKind::Variable, dialog.GetIDs().size() == 1 ? last : -1);
}

ActionOutcome EditingActions::AddDomain() {
    auto domain = RunNewDomainDialogs(m_host, Refs());
    if (!domain) return {};
    return Changed(ElementKind::Domain, m_model.domains.Add(std::move(domain)));
}

ActionOutcome EditingActions::AddIntegerConstant() {
    IntConstModel dialog(Refs());
    if (!m_host.Run(dialog)) return {};
    return Changed(ElementKind::Constant, m_model.constants.Add(dialog.MakeConstant()));
}

ActionOutcome EditingActions::AddSetListConstant() {
    ConstDlgModel dialog(Refs());
    if (!m_host.Run(dialog)) return {};
    return Changed(ElementKind::Constant, m_model.constants.Add(dialog.MakeConstant()));
}

ActionOutcome EditingActions::AddConstraint() {
    ExpDlgModel dialog(Refs(), m_templates);
    if (!m_host.Run(dialog)) return {};
    dialog.Store(m_model.constraints);
    return Changed(ElementKind::Constraint, m_model.constraints.GetSize() - 1);
}

ActionOutcome EditingActions::AddOptimisation() {
    ExpDlgModel dialog(Refs(), m_templates);
    dialog.LoadOptimisation(m_model.optimisation.empty() ? std::string() : m_model.optimisation.front());
    if (!m_host.Run(dialog)) return {};
    m_model.optimisation.SetTarget(dialog.text);
    return Changed(ElementKind::Optimisation, 0);
}

ActionOutcome EditingActions::DeleteUnusedDomains() {
    int removed = 0;
    for (int i = m_model.domains.GetSize() - 1; i >= 0; --i) {
        const TavWorkbench::CDomain& domain = *m_model.domains[i];
        if (domain.GetType() == TavWorkbench::CDomain::Type::Boolean) continue;
        if (!FindUsers(m_model, domain.GetID()).empty()) continue;
        m_model.domains.RemoveAt(i);
        ++removed;
    }
    m_messages.ShowInfo(std::to_string(removed) + " Domain(s) were deleted", {});
    return Changed(ElementKind::Domain, -1);
}

} // namespace TavDialogs
