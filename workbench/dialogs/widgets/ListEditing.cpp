#include "workbench/dialogs/widgets/ListEditing.hpp"

#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QAbstractItemModel>

namespace TavDialogs {

QListWidget* MakeList(QWidget* parent, const char* name, std::function<void(int, int)> onMove) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    if (onMove) {
        list->setDragDropMode(QAbstractItemView::InternalMove);
        list->setDefaultDropAction(Qt::MoveAction);
        QObject::connect(list->model(), &QAbstractItemModel::rowsMoved, list,
                         [onMove](const QModelIndex&, int start, int, const QModelIndex&, int row) {
                             // `row` is where the moved row goes before its removal is counted.
                             onMove(start, row > start ? row - 1 : row);
                         });
    }
    return list;
}

void FillList(QListWidget* list, const std::vector<std::string>& texts) {
    // The model's signals stay on: the view lays out its rows from them (refilling emits no
    // rowsMoved, so a drag handler is not called).
    list->clear();
    for (const std::string& text : texts)
        list->addItem(ToQ(text));
}

} // namespace TavDialogs
