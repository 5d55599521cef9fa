#include "workbench/dialogs/views/CVariablesPage.hpp"

#include "workbench/dialogs/views/TextBytes.hpp"
#include "workbench/dialogs/wizard/TavWizardModel.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace TavDialogs {

CVariablesPage::CVariablesPage(VariablesPageModel& model, QWidget* parent)
    : WizardPage(QString::fromLatin1(VariablesPageModel::kCaption), parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromLatin1(TavWizardModel::kVariablesHint), this));
    layout->addWidget(new QLabel(QString::fromLatin1(TavWizardModel::kConstantsHint), this));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("variables"));
    m_list->setRootIsDecorated(false);
    QStringList columns;
    for (const std::string& column : VariablesPageModel::Columns())
        columns << ToQ(column);
    m_list->setHeaderLabels(columns);
    layout->addWidget(m_list);
    auto* row = new QHBoxLayout();
    const auto button = [&](const char* text, const char* name) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    connect(button("New Variable", "newVariable"), &QPushButton::clicked, this, [this] {
        m_model.OnNewVariable();
        Refresh();
    });
    connect(button("Delete Variable", "deleteVariable"), &QPushButton::clicked, this, [this] {
        m_model.OnDeleteVariable(SelectedRow());
        Refresh();
    });
    connect(button("Constants", "constants"), &QPushButton::clicked, this, [this] {
        m_model.OnConstants();
        Refresh();
    });
    connect(button("Domains", "domains"), &QPushButton::clicked, this, [this] {
        m_model.OnDomains();
        Refresh();
    });
    layout->addLayout(row);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        m_model.OnEdit(m_list->indexOfTopLevelItem(item));
        Refresh();
    });
}

int CVariablesPage::SelectedRow() const {
    return m_list->currentItem() != nullptr ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
}

void CVariablesPage::Refresh() {
    m_list->clear();
    for (const auto& row : m_model.Rows())
        m_list->addTopLevelItem(
            new QTreeWidgetItem(QStringList{ToQ(row.id), ToQ(row.type), ToQ(row.domain), ToQ(row.size)}));
}

} // namespace TavDialogs
