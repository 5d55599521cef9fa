#include "workbench/dialogs/views/CDomainsPage.hpp"

#include "workbench/dialogs/views/TextBytes.hpp"
#include "workbench/dialogs/wizard/TavWizardModel.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace TavDialogs {

CDomainsPage::CDomainsPage(DomainsPageModel& model, QWidget* parent)
    : WizardPage(QString::fromLatin1(DomainsPageModel::kCaption), parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromLatin1(TavWizardModel::kDomainsHint), this));
    layout->addWidget(new QLabel(QString::fromLatin1(TavWizardModel::kConstantsHint), this));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("domains"));
    m_list->setRootIsDecorated(false);
    QStringList columns;
    for (const std::string& column : DomainsPageModel::Columns())
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
    connect(button("New Domain", "newDomain"), &QPushButton::clicked, this, [this] {
        m_model.OnNewDomain();
        Refresh();
    });
    connect(button("Delete Domain", "deleteDomain"), &QPushButton::clicked, this, [this] {
        m_model.OnDeleteDomain(SelectedRow());
        Refresh();
    });
    connect(button("Constants", "constants"), &QPushButton::clicked, this, [this] {
        m_model.OnConstants();
        Refresh();
    });
    layout->addLayout(row);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        m_model.OnEdit(m_list->indexOfTopLevelItem(item));
        Refresh();
    });
}

int CDomainsPage::SelectedRow() const {
    return m_list->currentItem() != nullptr ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
}

void CDomainsPage::Refresh() {
    m_list->clear();
    for (const auto& row : m_model.Rows())
        m_list->addTopLevelItem(new QTreeWidgetItem(QStringList{ToQ(row.id), ToQ(row.type)}));
}

} // namespace TavDialogs
