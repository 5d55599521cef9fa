#include "workbench/dialogs/widgets/ListPage.hpp"

#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace TavDialogs {

ListPage::ListPage(const QString& caption, const QStringList& hints, const QString& listName,
                   const std::vector<std::string>& columns, std::function<void(int row)> edit, QWidget* parent)
    : WizardPage(caption, parent) {
    auto* layout = new QVBoxLayout(this);
    for (const QString& hint : hints)
        layout->addWidget(new QLabel(hint, this));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(listName);
    m_list->setRootIsDecorated(false);
    QStringList headings;
    for (const std::string& column : columns)
        headings << ToQ(column);
    m_list->setHeaderLabels(headings);
    layout->addWidget(m_list);
    m_buttons = new QHBoxLayout();
    layout->addLayout(m_buttons);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this, edit = std::move(edit)](QTreeWidgetItem* item) {
        edit(m_list->indexOfTopLevelItem(item));
        Refresh();
    });
}

void ListPage::AddButton(const char* text, const char* name, std::function<void()> action) {
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    m_buttons->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, action = std::move(action)] {
        action();
        Refresh();
    });
}

int ListPage::SelectedRow() const {
    return m_list->currentItem() != nullptr ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
}

void ListPage::ShowRows(const std::vector<QStringList>& rows) {
    m_list->clear();
    for (const QStringList& row : rows)
        m_list->addTopLevelItem(new QTreeWidgetItem(row));
}

} // namespace TavDialogs
