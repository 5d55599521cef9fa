#include "workbench/ui/CDavView.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/views/ActionsMenu.hpp"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>

namespace TavWorkbench::Ui {

CDavView::CDavView(CTavDoc& doc, ActionProviders& providers, QWidget* parent)
    : QTreeView(parent), m_doc(doc), m_providers(providers), m_tree(doc.GetModel()),
      m_model(std::make_unique<ProblemTreeModel>(m_tree)) {
    setModel(m_model.get());
    setHeaderHidden(true);
    // Long names and information lines scroll sideways rather than being cut short.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    connect(m_model.get(), &QAbstractItemModel::modelReset, this, [this] {
        ExpandGroups();
        if (m_inCommand) m_replaced = true;
    });
}

void CDavView::SetFrameHooks(std::function<void()> setModified, std::function<CommandContext()> context) {
    m_setModified = std::move(setModified);
    m_context = std::move(context);
}

void CDavView::BuildTree(const std::string& title) {
    m_tree.BuildTree(title);
    m_actionItem = QPersistentModelIndex();
}

void CDavView::ExpandGroups() {
    const QModelIndex root = m_model->index(0, 0);
    expand(root);
    for (int row = 0; row < m_model->rowCount(root); ++row)
        expand(m_model->index(row, 0, root));
}

void CDavView::SetRootText(const std::string& title) {
    m_tree.SetRootText(title);
}

ProblemTree::Item* CDavView::ActionItem() const {
    return const_cast<ProblemTree::Item*>(m_model->ItemOf(m_actionItem));
}

std::vector<MenuEntry> CDavView::ActionsAt(const QPoint& pos) {
    const QModelIndex index = indexAt(pos);
    m_actionItem = QPersistentModelIndex(index);
    const ProblemTree::Item* item = m_model->ItemOf(index);
    if (item == nullptr) return {};
    const CommandContext context = m_context ? m_context() : DocumentContext(m_doc);
    return ActionsMenuFor(item->Kind(), context);
}

void CDavView::contextMenuEvent(QContextMenuEvent* event) {
    // Keyboard menus carry the current item's position; mouse menus the click's.
    QPoint pos = event->pos();
    if (event->reason() == QContextMenuEvent::Keyboard && currentIndex().isValid())
        pos = visualRect(currentIndex()).center();
    const std::vector<MenuEntry> entries = ActionsAt(pos);
    if (entries.empty()) return;
    setCurrentIndex(m_actionItem);
    QMenu menu(this);
    for (const MenuEntry& entry : entries) {
        if (entry.separatorBefore) menu.addSeparator();
        QAction* action = menu.addAction(QString::fromStdString(entry.text));
        action->setEnabled(entry.enabled);
        action->setWhatsThis(QString::fromUtf8(WhatsThisOf(entry.command)));
        action->setData(static_cast<int>(entry.command));
    }
    QAction* chosen = menu.exec(viewport()->mapToGlobal(pos));
    if (chosen != nullptr) RunElementCommand(static_cast<CommandId>(chosen->data().toInt()));
}

void CDavView::RunElementCommand(CommandId id) {
    ElementActions* provider = m_providers.For(id);
    if (provider == nullptr) return;
    const std::string title = m_tree.Root() != nullptr ? m_tree.Root()->text : std::string();
    ActionContext context{m_doc, ActionItem(), this, m_setModified, title};
    m_inCommand = true;
    m_replaced = false;
    provider->Run(id, context);
    m_inCommand = false;
    // A wizard or template names its problem in the document's title.
    if (!m_doc.GetTitle().empty() && m_doc.GetTitle() != title) SetRootText(m_doc.GetTitle());
    if (m_replaced) {
        m_replaced = false;
        emit ProblemReplaced();
    }
    emit ModelChanged();
    emit StateChanged();
}

} // namespace TavWorkbench::Ui
