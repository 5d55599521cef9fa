#include "workbench/dialogs/widgets/CStraintPage.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"constraints", "The problem's constraints; double-click one to edit it."},
    {"newConstraint", "Writes a new constraint in the constraint builder."},
    {"deleteConstraint", "Deletes the selected constraint (after asking)."},
};

} // namespace

CStraintPage::CStraintPage(StraintPageModel& model, QWidget* parent)
    : WizardPage(QString::fromLatin1(StraintPageModel::kCaption), parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("constraints"));
    layout->addWidget(m_list);
    auto* row = new QHBoxLayout();
    auto* add = new QPushButton(QStringLiteral("New Constraint"), this);
    add->setObjectName(QStringLiteral("newConstraint"));
    add->setAutoDefault(false);
    auto* remove = new QPushButton(QStringLiteral("Delete"), this);
    remove->setObjectName(QStringLiteral("deleteConstraint"));
    remove->setAutoDefault(false);
    row->addWidget(add);
    row->addWidget(remove);
    layout->addLayout(row);
    connect(add, &QPushButton::clicked, this, [this] {
        m_model.OnNewConstraint();
        Refresh();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        m_model.OnDelete(m_list->currentRow());
        Refresh();
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_model.OnEdit(m_list->row(item));
        Refresh();
    });
    TavHelp::ContextHelp::Set(this, "wizard-constraints", kFieldHelp);
}

void CStraintPage::Refresh() {
    m_list->clear();
    for (const std::string& id : m_model.Rows())
        m_list->addItem(ToQ(id));
}

} // namespace TavDialogs
