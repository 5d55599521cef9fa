#include "workbench/views/ProblemTree.hpp"

#include <algorithm>

namespace TavWorkbench {

namespace {

// The constant groups in the order they show; each is named after its kind.
constexpr CConstant::Type kConstantGroups[] = {CConstant::Type::Integer, CConstant::Type::Set,
                                               CConstant::Type::List, CConstant::Type::StringList};

std::string GroupText(CConstant::Type type) {
    return CConstant::GetTypeName(type) + " Constants";
}

} // namespace

ProblemTree::ProblemTree(const TavModel& model) : m_model(model) {
    m_model.Subscribe(*this);
}

ProblemTree::~ProblemTree() {
    m_model.Unsubscribe(*this);
}

ProblemTree::Item* ProblemTree::ObjectItem(const char* groupText, ItemKind kind, int index) const {
    const Item* group = Group(groupText);
    if (group == nullptr) return nullptr;
    for (const auto& child : group->children)
        if (child->Kind() == kind && child->Index() == index) return child.get();
    return nullptr;
}

void ProblemTree::Added(ModelKind kind, int index) {
    switch (kind) {
    case ModelKind::Domain:
        AddDomainItem(m_model.domains[index]->GetID(), index);
        break;
    case ModelKind::Variable:
        AddVariableItem(*m_model.variables[index], index);
        RefreshDomains();
        break;
    case ModelKind::Constraint:
        AddConstraintItem(*m_model.constraints[index], index);
        break;
    case ModelKind::Constant:
        AddConstantItem(m_model.constants[index]->GetID(), index, m_model.constants[index]->GetType());
        break;
    case ModelKind::Optimisation:
        RefreshOptimisation();
        break;
    }
}

void ProblemTree::Removed(ModelKind kind, int index) {
    switch (kind) {
    case ModelKind::Domain:
        DeleteItem(ObjectItem(kDomains, ItemKind::Domain, index));
        RenumberDomainItems();
        break;
    case ModelKind::Variable:
        DeleteItem(ObjectItem(kVariables, ItemKind::Variable, index));
        RenumberVariableItems();
        // The variable's former domain may be in use no more.
        RefreshDomains();
        break;
    case ModelKind::Constraint:
        DeleteItem(ObjectItem(kConstraints, ItemKind::Constraint, index));
        RenumberConstraintItems();
        break;
    case ModelKind::Constant:
        // Constant items are spread over four groups: they are rebuilt rather than renumbered.
        RefreshConstants();
        break;
    case ModelKind::Optimisation:
        RefreshOptimisation();
        break;
    }
}

void ProblemTree::Changed(ModelKind kind, int index) {
    switch (kind) {
    case ModelKind::Domain:
        if (Item* item = ObjectItem(kDomains, ItemKind::Domain, index)) {
            SetItemText(item, m_model.domains[index]->GetID());
            RefreshDomainUsage(item);
        }
        break;
    case ModelKind::Variable:
        if (Item* item = ObjectItem(kVariables, ItemKind::Variable, index)) {
            SetItemText(item, m_model.variables[index]->GetID());
            UpdateVariableDomainLine(item, index);
        }
        RefreshDomains();
        break;
    case ModelKind::Constraint:
        if (Item* item = ObjectItem(kConstraints, ItemKind::Constraint, index)) {
            SetItemText(item, m_model.constraints[index]->GetID());
            UpdateConstraintChild(item, index);
        }
        break;
    case ModelKind::Constant:
        // An edited set constant may have become a list: its item moves to another group.
        RefreshConstants();
        break;
    case ModelKind::Optimisation:
        RefreshOptimisation();
        break;
    }
}

void ProblemTree::Reset() {
    // Nothing to follow before the first build. The title is copied: the build replaces the root.
    if (!m_root) return;
    const std::string title = m_root->text;
    BuildTree(title);
}

int ProblemTree::Item::Row() const {
    if (parent == nullptr) return 0;
    const auto& siblings = parent->children;
    const auto found =
        std::find_if(siblings.begin(), siblings.end(),
                     [this](const std::unique_ptr<Item>& sibling) { return sibling.get() == this; });
    return static_cast<int>(found - siblings.begin());
}

std::string ProblemTree::DomainLine(const CVariable& variable) {
    std::string line = "Domain =" + variable.GetDomainID() + "(" + variable.GetTypeName() + ")";
    if (line.size() > kDomainLineLength) line.resize(kDomainLineLength);
    return line;
}

ProblemTree::Item* ProblemTree::Append(Item* parent, std::string text, std::uint32_t data) {
    auto item = std::make_unique<Item>();
    item->text = std::move(text);
    item->data = data;
    item->parent = parent;
    Item* const raw = item.get();
    const int row = parent->ChildCount();
    if (m_observer != nullptr) m_observer->BeginInsert(parent, row);
    parent->children.push_back(std::move(item));
    if (m_observer != nullptr) m_observer->EndInsert();
    return raw;
}

void ProblemTree::RemoveChildren(Item* parent) {
    if (parent->children.empty()) return;
    if (m_observer != nullptr) m_observer->BeginRemove(parent, 0, parent->ChildCount() - 1);
    parent->children.clear();
    if (m_observer != nullptr) m_observer->EndRemove();
}

void ProblemTree::DeleteItem(Item* item) {
    if (item == nullptr || item->parent == nullptr) return;
    Item* const parent = item->parent;
    const int row = item->Row();
    if (m_observer != nullptr) m_observer->BeginRemove(parent, row, row);
    parent->children.erase(parent->children.begin() + row);
    if (m_observer != nullptr) m_observer->EndRemove();
}

void ProblemTree::SetItemText(Item* item, const std::string& text) {
    if (item == nullptr) return;
    item->text = text;
    if (m_observer != nullptr) m_observer->Changed(item);
}

void ProblemTree::BuildTree(const std::string& title) {
    if (m_observer != nullptr) m_observer->BeginReset();
    Observer* const observer = m_observer;
    // The whole tree is new: one reset tells the observer, not each insertion.
    m_observer = nullptr;
    m_root = std::make_unique<Item>();
    m_root->text = title;

    Item* constants = Append(m_root.get(), kConstants, 0);
    for (CConstant::Type group : kConstantGroups)
        Append(constants, GroupText(group), 0);
    Append(m_root.get(), kDomains, 0);
    Append(m_root.get(), kVariables, 0);
    Append(m_root.get(), kConstraints, 0);
    Append(m_root.get(), kOptimisationGroup, 0);

    for (int i = 0; i < m_model.constants.GetSize(); ++i) {
        const CConstant& constant = *m_model.constants[i];
        AddConstantItem(constant.GetID(), i, constant.GetType());
    }
    for (int i = 0; i < m_model.domains.GetSize(); ++i)
        AddDomainItem(m_model.domains[i]->GetID(), i);
    for (int i = 0; i < m_model.variables.GetSize(); ++i)
        AddVariableItem(*m_model.variables[i], i);
    for (int i = 0; i < m_model.constraints.GetSize(); ++i)
        AddConstraintItem(*m_model.constraints[i], i);
    RefreshOptimisation();

    m_observer = observer;
    if (m_observer != nullptr) m_observer->EndReset();
}

ProblemTree::Item* ProblemTree::FindChildItem(const std::string& text, const Item* parent) const {
    if (parent == nullptr) return nullptr;
    for (const auto& child : parent->children)
        if (child->text == text) return child.get();
    return nullptr;
}

ProblemTree::Item* ProblemTree::Group(const std::string& text) const {
    return FindChildItem(text, m_root.get());
}

void ProblemTree::FillDomainUsage(Item* domainItem) {
    std::vector<std::string> users;
    const bool used = m_model.variables.GetVariablesOfDomain(domainItem->text, users);
    Item* usage = Append(domainItem, used ? kUsedBy : kNotInUse, 0);
    for (const std::string& id : users)
        Append(usage, id, 0);
}

ProblemTree::Item* ProblemTree::AddDomainItem(const std::string& id, int index) {
    Item* group = Group(kDomains);
    if (group == nullptr) return nullptr;
    Item* item = Append(group, id, MakeData(index, ItemKind::Domain));
    FillDomainUsage(item);
    return item;
}

ProblemTree::Item* ProblemTree::AddVariableItem(const CVariable& variable, int index) {
    Item* group = Group(kVariables);
    if (group == nullptr) return nullptr;
    Item* item = Append(group, variable.GetID(), MakeData(index, ItemKind::Variable));
    // An information child like the others: it stands for no object of its own.
    Append(item, DomainLine(variable), 0);
    return item;
}

ProblemTree::Item* ProblemTree::AddConstantItem(const std::string& id, int index, CConstant::Type type) {
    if (CConstant::GetTypeName(type).empty()) return nullptr;
    Item* group = FindChildItem(GroupText(type), Group(kConstants));
    if (group == nullptr) return nullptr;
    Item* item = Append(group, id, MakeData(index, ItemKind::Constant));
    if (index >= 0 && index < m_model.constants.GetSize())
        Append(item, m_model.constants[index]->GetValue(), 0);
    return item;
}

void ProblemTree::FillConstraintChild(Item* child, const CConstraint& constraint) {
    for (const std::string& id : constraint.GetReferencedIDs())
        Append(child, id, 0);
}

ProblemTree::Item* ProblemTree::AddConstraintItem(const CConstraint& constraint, int index) {
    Item* group = Group(kConstraints);
    if (group == nullptr) return nullptr;
    Item* item = Append(group, constraint.GetID(), MakeData(index, ItemKind::Constraint));
    FillConstraintChild(Append(item, kConstrained, 0), constraint);
    return item;
}

void ProblemTree::RefreshDomainUsage(Item* domainItem) {
    if (domainItem == nullptr) return;
    if (!domainItem->children.empty()) DeleteItem(domainItem->children.front().get());
    // The usage child goes back in first place.
    std::vector<std::string> users;
    const bool used = m_model.variables.GetVariablesOfDomain(domainItem->text, users);
    auto usage = std::make_unique<Item>();
    usage->text = used ? kUsedBy : kNotInUse;
    usage->parent = domainItem;
    Item* const raw = usage.get();
    if (m_observer != nullptr) m_observer->BeginInsert(domainItem, 0);
    domainItem->children.insert(domainItem->children.begin(), std::move(usage));
    if (m_observer != nullptr) m_observer->EndInsert();
    for (const std::string& id : users)
        Append(raw, id, 0);
}

void ProblemTree::RefreshDomains() {
    Item* group = Group(kDomains);
    if (group == nullptr) return;
    for (int i = 0; i < m_model.domains.GetSize(); ++i) {
        const std::string& id = m_model.domains[i]->GetID();
        if (Item* existing = FindChildItem(id, group); existing != nullptr) {
            RefreshDomainUsage(existing);
        } else {
            AddDomainItem(id, i);
        }
    }
}

void ProblemTree::Renumber(const char* groupText, ItemKind kind) {
    Item* group = Group(groupText);
    if (group == nullptr) return;
    for (int p = 0; p < group->ChildCount(); ++p) {
        Item* child = group->Child(p);
        child->data = MakeData(p, kind);
        if (m_observer != nullptr) m_observer->Changed(child);
    }
}

void ProblemTree::RefreshConstants() {
    Item* group = Group(kConstants);
    if (group == nullptr) return;
    RemoveChildren(group);
    for (CConstant::Type type : kConstantGroups)
        Append(group, GroupText(type), 0);
    for (int i = 0; i < m_model.constants.GetSize(); ++i) {
        const CConstant& constant = *m_model.constants[i];
        AddConstantItem(constant.GetID(), i, constant.GetType());
    }
}

void ProblemTree::UpdateConstantValue(Item* constantItem, int index) {
    if (constantItem == nullptr || index < 0 || index >= m_model.constants.GetSize()) return;
    const std::string& value = m_model.constants[index]->GetValue();
    if (constantItem->children.empty()) {
        Append(constantItem, value, 0);
    } else {
        SetItemText(constantItem->Child(0), value);
    }
}

void ProblemTree::UpdateVariableDomainLine(Item* variableItem, int index) {
    if (variableItem == nullptr || index < 0 || index >= m_model.variables.GetSize()) return;
    const std::string line = DomainLine(*m_model.variables[index]);
    if (variableItem->children.empty()) {
        Append(variableItem, line, 0);
    } else {
        SetItemText(variableItem->Child(0), line);
    }
}

void ProblemTree::UpdateConstraintChild(Item* constraintItem, int index) {
    if (constraintItem == nullptr || index < 0 || index >= m_model.constraints.GetSize()) return;
    RemoveChildren(constraintItem);
    FillConstraintChild(Append(constraintItem, kConstrained, 0), *m_model.constraints[index]);
}

void ProblemTree::RefreshOptimisation() {
    Item* group = Group(kOptimisationGroup);
    if (group == nullptr) return;
    RemoveChildren(group);
    if (m_model.optimisation.size() == 1)
        Append(group, m_model.optimisation.front(), MakeData(0, ItemKind::Optimisation));
}

void ProblemTree::SetRootText(const std::string& title) {
    SetItemText(m_root.get(), title);
}

} // namespace TavWorkbench
