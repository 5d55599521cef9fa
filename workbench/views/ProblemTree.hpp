#pragma once
// The problem tree's contents: a fixed skeleton of group nodes (constants, domains, variables,
// constraints, optimisation) with one item per model object, each carrying an item data word
// (low 16 bits the object's kind, high 16 bits its index in the document's array). BuildTree
// makes it whole; from then on it follows the model's announcements with the incremental
// operations below (a reset builds it whole again), so no command keeps it in step by hand.
// An observer (the window's item model) hears of every insertion, removal and change as it
// happens.

#include "workbench/model/ModelObserver.hpp"
#include "workbench/model/TavModel.hpp"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace TavWorkbench {

class ProblemTree : private ModelObserver {
public:
    // What an item stands for, with its code in the item data word's low 16 bits; None for the
    // group and information items.
    enum class ItemKind : std::uint16_t {
        None = 0,
        Variable = 1,
        Domain = 2,
        Constraint = 3,
        Constant = 4,
        Optimisation = 5
    };

    // The texts of the group nodes.
    static constexpr const char* kConstants = "Constants";
    static constexpr const char* kDomains = "Domains";
    static constexpr const char* kVariables = "Variables";
    static constexpr const char* kConstraints = "Constraints";
    static constexpr const char* kOptimisationGroup = "Optimisation";
    static constexpr const char* kUsedBy = "Used by Variables";
    static constexpr const char* kNotInUse = "Not in Use";
    static constexpr const char* kConstrained = "Variables Constrained & Constants used";
    // A variable's domain line is cut to this many characters.
    static constexpr std::size_t kDomainLineLength = 39;

    struct Item {
        std::string text;
        std::uint32_t data = 0;
        Item* parent = nullptr;
        std::vector<std::unique_ptr<Item>> children;

        ItemKind Kind() const { return static_cast<ItemKind>(data & 0xFFFFu); }
        int Index() const { return static_cast<int>(data >> 16); }
        // Position among the parent's children (0 for the root).
        int Row() const;
        int ChildCount() const { return static_cast<int>(children.size()); }
        Item* Child(int row) const { return children.at(static_cast<std::size_t>(row)).get(); }
    };

    // Told of every change, in the order of the tree's own steps.
    class Observer {
    public:
        virtual ~Observer() = default;
        virtual void BeginInsert(const Item* parent, int row) = 0;
        virtual void EndInsert() = 0;
        virtual void BeginRemove(const Item* parent, int first, int last) = 0;
        virtual void EndRemove() = 0;
        virtual void Changed(const Item* item) = 0;
        virtual void BeginReset() = 0;
        virtual void EndReset() = 0;
    };

    static std::uint32_t MakeData(int index, ItemKind kind) {
        return (static_cast<std::uint32_t>(index) << 16) | static_cast<std::uint32_t>(kind);
    }
    // "Domain =" + domain id + "(" + type name + ")", cut to kDomainLineLength characters.
    static std::string DomainLine(const CVariable& variable);

    // An empty tree (no root) over `model`, which must outlive it; it follows the model's
    // changes once built.
    explicit ProblemTree(const TavModel& model);
    ~ProblemTree() override;
    ProblemTree(const ProblemTree&) = delete;
    ProblemTree& operator=(const ProblemTree&) = delete;

    void SetObserver(Observer* observer) { m_observer = observer; }
    // Null before the first BuildTree.
    const Item* Root() const { return m_root.get(); }
    Item* Root() { return m_root.get(); }

    // Empties the tree and builds it whole from the model, the root showing `title`.
    void BuildTree(const std::string& title);
    // The first direct child of `parent` whose text equals `text` exactly; null when none.
    Item* FindChildItem(const std::string& text, const Item* parent) const;
    // A group node under the root by its text ("Domains", ...); null when none.
    Item* Group(const std::string& text) const;
    // The root shows `title`.
    void SetRootText(const std::string& title);

    // Every item, depth first (tests and the window's lookups).
    template <class Fn> void ForEach(Fn fn) const {
        if (m_root) Walk(m_root.get(), fn);
    }

private:
    // The model's announcements, each answered with the incremental operations below.
    void Added(ModelKind kind, int index) override;
    void Removed(ModelKind kind, int index) override;
    void Changed(ModelKind kind, int index) override;
    void Reset() override;
    // The item of the object of `kind` at `index` under its group; null when none.
    Item* ObjectItem(const char* group, ItemKind kind, int index) const;

    // Each appends an object's item with its children under its group (nothing when the group
    // is missing); they return the new item or null.
    Item* AddDomainItem(const std::string& id, int index);
    Item* AddVariableItem(const CVariable& variable, int index);
    // The type picks the constant group; a code no kind has adds nothing.
    Item* AddConstantItem(const std::string& id, int index, CConstant::Type type);
    Item* AddConstraintItem(const CConstraint& constraint, int index);

    // Replaces a domain item's usage child from the current variables.
    void RefreshDomainUsage(Item* domainItem);
    // Refreshes the usage of every domain that has an item and appends items for the others.
    void RefreshDomains();
    // After a delete: the child at position p of the group gets the data (p << 16) | kind.
    void RenumberDomainItems() { Renumber(kDomains, ItemKind::Domain); }
    void RenumberVariableItems() { Renumber(kVariables, ItemKind::Variable); }
    void RenumberConstraintItems() { Renumber(kConstraints, ItemKind::Constraint); }
    // Rebuilds the four constant groups from the constants.
    void RefreshConstants();
    // Sets the value child of a constant item to the constant's value text (inserting it when
    // missing).
    void UpdateConstantValue(Item* constantItem, int index);
    // Sets a variable item's domain line to the variable's (inserting it when missing).
    void UpdateVariableDomainLine(Item* variableItem, int index);
    // Rebuilds the "Variables Constrained & Constants used" child of a constraint item.
    void UpdateConstraintChild(Item* constraintItem, int index);
    // Rebuilds the "Optimisation" group: one item when the model has exactly one target.
    void RefreshOptimisation();
    void SetItemText(Item* item, const std::string& text);
    // Removes an item with its children (not the root).
    void DeleteItem(Item* item);

    template <class Fn> static void Walk(const Item* item, Fn& fn) {
        fn(*item);
        for (const auto& child : item->children)
            Walk(child.get(), fn);
    }
    Item* Append(Item* parent, std::string text, std::uint32_t data);
    void RemoveChildren(Item* parent);
    void FillDomainUsage(Item* domainItem);
    void FillConstraintChild(Item* child, const CConstraint& constraint);
    void Renumber(const char* group, ItemKind kind);

    const TavModel& m_model;
    std::unique_ptr<Item> m_root;
    Observer* m_observer = nullptr;
};

} // namespace TavWorkbench
