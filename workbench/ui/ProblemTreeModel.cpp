#include "workbench/ui/ProblemTreeModel.hpp"

namespace TavWorkbench::Ui {

using Item = ProblemTree::Item;

ProblemTreeModel::ProblemTreeModel(ProblemTree& tree, QObject* parent)
    : QAbstractItemModel(parent), m_tree(tree) {
    m_tree.SetObserver(this);
}

ProblemTreeModel::~ProblemTreeModel() {
    m_tree.SetObserver(nullptr);
}

const Item* ProblemTreeModel::ItemOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<const Item*>(index.internalPointer()) : nullptr;
}

QModelIndex ProblemTreeModel::IndexOf(const Item* item) const {
    if (item == nullptr) return {};
    return createIndex(item->Row(), 0, const_cast<Item*>(item));
}

QModelIndex ProblemTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    if (!parent.isValid()) {
        if (row != 0 || m_tree.Root() == nullptr) return {};
        return createIndex(0, 0, const_cast<Item*>(m_tree.Root()));
    }
    const Item* item = ItemOf(parent);
    if (row >= item->ChildCount()) return {};
    return createIndex(row, 0, item->Child(row));
}

QModelIndex ProblemTreeModel::parent(const QModelIndex& child) const {
    const Item* item = ItemOf(child);
    if (item == nullptr || item->parent == nullptr) return {};
    return IndexOf(item->parent);
}

int ProblemTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return m_tree.Root() != nullptr ? 1 : 0;
    if (parent.column() != 0) return 0;
    return ItemOf(parent)->ChildCount();
}

int ProblemTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant ProblemTreeModel::data(const QModelIndex& index, int role) const {
    const Item* item = ItemOf(index);
    if (item == nullptr) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return QString::fromStdString(item->text);
    if (role == kItemDataRole) return QVariant::fromValue(item->data);
    return {};
}

void ProblemTreeModel::BeginInsert(const Item* parent, int row) {
    beginInsertRows(IndexOf(parent), row, row);
}

void ProblemTreeModel::EndInsert() {
    endInsertRows();
}

void ProblemTreeModel::BeginRemove(const Item* parent, int first, int last) {
    beginRemoveRows(IndexOf(parent), first, last);
}

void ProblemTreeModel::EndRemove() {
    endRemoveRows();
}

void ProblemTreeModel::Changed(const Item* item) {
    const QModelIndex index = IndexOf(item);
    emit dataChanged(index, index);
}

void ProblemTreeModel::BeginReset() {
    beginResetModel();
}

void ProblemTreeModel::EndReset() {
    endResetModel();
}

} // namespace TavWorkbench::Ui
