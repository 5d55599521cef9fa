#include "workbench/dialogs/widgets/TabuDlg.hpp"

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
    {"minimum", "With the maximum: a move made stays forbidden for a random number of steps from the smaller "
                "of the two up."},
    {"maximum", "With the minimum: the larger of the two sets how widely the forbidden time varies."},
    {"approximate",
     "Leaves constraints satisfied at the start out of the reckoning at first: faster on big problems."},
    {"delta", "In this version the tick is passed to tabu search as the target's weight: cleared, the target "
              "is ignored."},
    {"scaling", "Kept with the other parameters; tabu search in this version does not read it."},
};

} // namespace

TabuDlg::TabuDlg(TabuDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Tabu Parameter Settings"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_minimum = AddEdit(form, QStringLiteral("Minimum Tabu Period"), QStringLiteral("minimum"));
    m_maximum = AddEdit(form, QStringLiteral("Maximum Tabu Period"), QStringLiteral("maximum"));
    m_approximate =
        AddCheckBox(this, form, QStringLiteral("Approximate Evaluation"), QStringLiteral("approximate"));
    m_delta = AddCheckBox(this, form, QStringLiteral("Delta Update"), QStringLiteral("delta"));
    m_scaling = AddEdit(form, QStringLiteral("Optimisation Scaling Value"), QStringLiteral("scaling"));
    layout->addLayout(form);
    AddButtons(layout);
    Load();
    TavHelp::ContextHelp::Set(this, "tabu-parameters", kFieldHelp);
}

void TabuDlg::Load() {
    m_minimum->setText(ToQ(m_model.minimumText));
    m_maximum->setText(ToQ(m_model.maximumText));
    m_approximate->setChecked(m_model.approximate);
    m_delta->setChecked(m_model.deltaUpdate);
    m_scaling->setText(ToQ(m_model.scalingText));
}

void TabuDlg::Save() {
    m_model.minimumText = FromQ(m_minimum->text());
    m_model.maximumText = FromQ(m_maximum->text());
    m_model.approximate = m_approximate->isChecked();
    m_model.deltaUpdate = m_delta->isChecked();
    m_model.scalingText = FromQ(m_scaling->text());
}

QWidget* TabuDlg::FocusAfterRefusal() {
    switch (m_model.GetFocus()) {
    case TabuDlgModel::Field::MaximumPeriod:
        return m_maximum;
    case TabuDlgModel::Field::Scaling:
        return m_scaling;
    default:
        return m_minimum;
    }
}

} // namespace TavDialogs
