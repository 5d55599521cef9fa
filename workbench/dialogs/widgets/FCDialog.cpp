#include "workbench/dialogs/widgets/FCDialog.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/ParameterWidgets.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"ordering0", "Labels the variables in the order the problem declares them."},
    {"ordering1", "Labels the variables in a random order."},
    {"ordering2", "Labels first the variable with the fewest values left."},
    {"threshold",
     "Ends a search that keeps failing at the same depth (thrashing): larger is later, 0 never."},
    {"backtracking0", "Backtracks to the previous variable."},
    {"backtracking1", "Jumps back to a variable that caused the conflict; labels in natural order."},
};

} // namespace

FCDialog::FCDialog(FCDialogModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("FC Parameters Settings"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    m_ordering =
        RadioGroup(this, layout, QStringLiteral("Variable Ordering Heuristic"), QStringLiteral("ordering"),
                   {QStringLiteral("Natural Ordering"), QStringLiteral("Random Ordering"),
                    QStringLiteral("Smallest Domain")});
    m_orderingNote = new QLabel(this);
    m_orderingNote->setObjectName(QStringLiteral("orderingNote"));
    m_orderingNote->setWordWrap(true);
    layout->addWidget(m_orderingNote);
    auto* form = new QFormLayout();
    m_threshold = AddEdit(form, QStringLiteral("Thrashing Threshold"), QStringLiteral("threshold"));
    form->addRow(new QLabel(QStringLiteral("(zero to turn off)"), this));
    layout->addLayout(form);
    m_backtracking =
        RadioGroup(this, layout, QStringLiteral("Backtracking Type"), QStringLiteral("backtracking"),
                   {QStringLiteral("Standard"), QStringLiteral("Constraint Directed")});
    AddButtons(layout);
    connect(m_backtracking, &QButtonGroup::idClicked, this, [this](int id) {
        m_model.backtracking = id;
        ShowOrdering();
    });
    Load();
    TavHelp::ContextHelp::Set(this, "gfc-parameters", kFieldHelp);
}

void FCDialog::Load() {
    SetRadio(m_ordering, m_model.ordering);
    m_threshold->setText(ToQ(m_model.thresholdText));
    SetRadio(m_backtracking, m_model.backtracking);
    ShowOrdering();
}

void FCDialog::ShowOrdering() {
    // The group box holds the ordering's buttons.
    if (auto* box = qobject_cast<QWidget*>(m_ordering->parent())) box->setEnabled(m_model.OrderingApplies());
    const std::string note = m_model.OrderingNote();
    m_orderingNote->setText(ToQ(note));
    m_orderingNote->setVisible(!note.empty());
}

void FCDialog::Save() {
    m_model.ordering = m_ordering->checkedId();
    m_model.thresholdText = FromQ(m_threshold->text());
    m_model.backtracking = m_backtracking->checkedId();
}

QWidget* FCDialog::FocusAfterRefusal() {
    return m_model.GetFocus() == FCDialogModel::Field::Threshold ? m_threshold : nullptr;
}

} // namespace TavDialogs
