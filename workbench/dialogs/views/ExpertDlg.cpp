#include "workbench/dialogs/views/ExpertDlg.hpp"

#include "workbench/dialogs/views/ListEditing.hpp"
#include "workbench/dialogs/views/TextBytes.hpp"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

ExpertDlg::ExpertDlg(ExpertDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Expert Solver"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    QListWidget* ordering = MakeList(this, "ordering");
    FillList(ordering, m_model.Names());
    form->addRow(QStringLiteral("Reccomended Ordering"), ordering);
    m_timeLimit = AddEdit(form, QStringLiteral("Time Limit (sec)"), QStringLiteral("timeLimit"));
    layout->addLayout(form);
    auto* clear = new QPushButton(QStringLiteral("Clear Stats"), this);
    clear->setObjectName(QStringLiteral("clearStats"));
    clear->setAutoDefault(false);
    layout->addWidget(clear);
    AddButtons(layout);
    connect(clear, &QPushButton::clicked, this, [this] { m_model.OnClearStats(); });
    Load();
}

void ExpertDlg::Load() {
    m_timeLimit->setText(ToQ(m_model.timeLimitText));
}

void ExpertDlg::Save() {
    m_model.timeLimitText = FromQ(m_timeLimit->text());
}

QWidget* ExpertDlg::FocusAfterRefusal() {
    return m_timeLimit;
}

} // namespace TavDialogs
