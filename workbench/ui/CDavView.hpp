#pragma once
// The problem tree view: the document's problem as a tree (constants, domains, variables,
// constraints, optimisation) that follows the model's changes on its own, and the right-click
// menu of actions per kind of object. (Solves are the main frame's solve session's.)

#include "workbench/ui/ActionProviders.hpp"
#include "workbench/ui/ProblemTreeModel.hpp"
#include "workbench/views/ActionsMenu.hpp"
#include "workbench/views/CommandTable.hpp"
#include "workbench/views/ProblemTree.hpp"

#include <QPersistentModelIndex>
#include <QTreeView>

#include <functional>
#include <memory>

namespace TavWorkbench {
class CTavDoc;
}

namespace TavWorkbench::Ui {

class CDavView : public QTreeView {
    Q_OBJECT
public:
    CDavView(CTavDoc& doc, ActionProviders& providers, QWidget* parent = nullptr);

    // Rebuilds the tree from the document, its root showing `title`; forgets the right-click.
    // (The tree rebuilds itself, keeping its title, when the model is replaced as a whole.)
    void BuildTree(const std::string& title);
    void SetRootText(const std::string& title);
    ProblemTree& Tree() { return m_tree; }
    ProblemTreeModel& Model() { return *m_model; }

    // The item under the last right-click, null when none.
    ProblemTree::Item* ActionItem() const;
    // Right-click at `pos` (viewport coordinates): remembers the item and returns its menu
    // entries (empty when no item is there, and then no menu opens).
    std::vector<MenuEntry> ActionsAt(const QPoint& pos);

    // Carries out an element command through its provider (nothing when none serves it). The
    // root then shows the document's title, which a wizard or template may have set.
    void RunElementCommand(CommandId id);

    // Called by the frame: `setModified` marks the document changed; `context` gives the
    // state the command table reads.
    void SetFrameHooks(std::function<void()> setModified, std::function<CommandContext()> context);

signals:
    // An element command ran: command states may differ.
    void StateChanged();
    // An element command ran: the problem may have changed.
    void ModelChanged();
    // An element command put a new problem in place of the document's (a wizard or template:
    // the model was replaced as a whole).
    void ProblemReplaced();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // After each rebuild: the root and its groups open.
    void ExpandGroups();

    CTavDoc& m_doc;
    ActionProviders& m_providers;
    ProblemTree m_tree;
    std::unique_ptr<ProblemTreeModel> m_model;
    QPersistentModelIndex m_actionItem;
    // An element command is running; the model was replaced as a whole meanwhile.
    bool m_inCommand = false;
    bool m_replaced = false;
    std::function<void()> m_setModified;
    std::function<CommandContext()> m_context;
};

} // namespace TavWorkbench::Ui
