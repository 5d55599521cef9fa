#include "workbench/dialogs/widgets/CLPWizDLG.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"constraints", "The programme's constraints; double-click one to edit it."},
    {"new", "Adds a constraint."},
    {"edit", "Changes the selected constraint."},
    {"delete", "Deletes the selected constraint."},
    {"setOptimisation", "States what to maximise or minimise."},
    {"objective", "The objective as it stands."},
    {"ok", "Builds the linear programme as the document's problem."},
    {"cancel", "Leaves the wizard; the document's problem stays as it was."},
};

QPushButton* Button(QWidget* parent, QBoxLayout* row, const QString& text, const QString& name) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

CLPWizDLG::CLPWizDLG(LPWizDLGModel& model, QtWizardHost& host, QWidget* parent)
    : ModelDialog(QString::fromLatin1(LPWizDLGModel::kTitle), host.Messages(), host.Elements(), parent),
      m_model(model), m_host(host) {
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("constraints"));
    layout->addWidget(m_list);
    auto* buttons = new QHBoxLayout();
    QPushButton* add = Button(this, buttons, QStringLiteral("New"), QStringLiteral("new"));
    m_edit = Button(this, buttons, QStringLiteral("Edit"), QStringLiteral("edit"));
    m_delete = Button(this, buttons, QStringLiteral("Delete"), QStringLiteral("delete"));
    QPushButton* optimisation =
        Button(this, buttons, QStringLiteral("Set Optimisation"), QStringLiteral("setOptimisation"));
    layout->addLayout(buttons);
    m_objective = new QLineEdit(this);
    m_objective->setObjectName(QStringLiteral("objective"));
    m_objective->setReadOnly(true);
    layout->addWidget(m_objective);
    AddButtons(layout, QStringLiteral("Finish"));
    CancelButton()->setText(QStringLiteral("Abandon Run"));
    connect(add, &QPushButton::clicked, this, [this] {
        m_model.New(m_host);
        Load();
    });
    connect(m_edit, &QPushButton::clicked, this, [this] {
        m_model.Edit(m_host);
        Load();
    });
    connect(m_delete, &QPushButton::clicked, this, [this] {
        m_model.Delete();
        Load();
    });
    connect(optimisation, &QPushButton::clicked, this, [this] {
        m_model.SetOptimisation(m_host);
        Load();
    });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        m_model.Select(row);
        m_edit->setEnabled(m_model.EditEnabled());
        m_delete->setEnabled(m_model.DeleteEnabled());
    });
    Load();
    TavHelp::ContextHelp::Set(this, "lp-wizard", kFieldHelp);
}

void CLPWizDLG::Load() {
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (const std::string& text : m_model.ListTexts())
        m_list->addItem(ToQ(text));
    m_list->setCurrentRow(m_model.Selected());
    m_objective->setText(ToQ(m_model.ObjectiveText()));
    m_edit->setEnabled(m_model.EditEnabled());
    m_delete->setEnabled(m_model.DeleteEnabled());
    OKButton()->setEnabled(m_model.FinishEnabled());
}

} // namespace TavDialogs
