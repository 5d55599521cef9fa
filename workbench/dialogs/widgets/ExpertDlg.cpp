#include "workbench/dialogs/widgets/ExpertDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/ListEditing.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"ordering", "The order in which the Expert choice will try the solvers, best first."},
    {"timeLimit", "How many seconds each solver may run before the next one gets its turn."},
    {"clearStats", "Forgets how well each solver did, so that all start equal again."},
};

} // namespace

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
    TavHelp::ContextHelp::Set(this, "expert-solver", kFieldHelp);
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
