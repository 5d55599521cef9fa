#pragma once
// The problem tree as a Qt item model: one model index per ProblemTree item (the root is the
// one top-level row), following the tree's notifications as they happen. Read-only.

#include "workbench/views/ProblemTree.hpp"

#include <QAbstractItemModel>

namespace TavWorkbench::Ui {

class ProblemTreeModel : public QAbstractItemModel, private ProblemTree::Observer {
    Q_OBJECT
public:
    // The item data word, for Qt::UserRole.
    static constexpr int kItemDataRole = Qt::UserRole;

    explicit ProblemTreeModel(ProblemTree& tree, QObject* parent = nullptr);
    ~ProblemTreeModel() override;

    const ProblemTree::Item* ItemOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const ProblemTree::Item* item) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void BeginInsert(const ProblemTree::Item* parent, int row) override;
    void EndInsert() override;
    void BeginRemove(const ProblemTree::Item* parent, int first, int last) override;
    void EndRemove() override;
    void Changed(const ProblemTree::Item* item) override;
    void BeginReset() override;
    void EndReset() override;

    ProblemTree& m_tree;
};

} // namespace TavWorkbench::Ui
