#include "workbench/dialogs/widgets/GLSDialog.hpp"

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
    {"lambda",
     "The weight of the penalties guided local search adds to break out of local minima (0 to 9999)."},
    {"approximate", "Leaves constraints satisfied at the start out of the reckoning until the others hold: "
                    "faster on big problems."},
    {"learning",
     "With an optimisation target, penalises every local minimum, not only those that break constraints."},
    {"delta", "Keeps the cost of every move in tables, updated after each move, instead of recomputing it."},
    {"seed", "The seed of the random choices (1 to 9999): the same seed gives the same run."},
    {"scaling", "How strongly the optimisation target weighs against the constraints (0 to 9999)."},
};

} // namespace

GLSDialog::GLSDialog(GLSDialogModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("GLS Parameter Settings"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_lambda = AddEdit(form, QStringLiteral("Lambda"), QStringLiteral("lambda"));
    m_approximate =
        AddCheckBox(this, form, QStringLiteral("Approx. Evaluation"), QStringLiteral("approximate"));
    m_learning = AddCheckBox(this, form, QStringLiteral("Learning"), QStringLiteral("learning"));
    m_delta = AddCheckBox(this, form, QStringLiteral("Delta Update"), QStringLiteral("delta"));
    m_seed = AddEdit(form, QStringLiteral("Seed"), QStringLiteral("seed"));
    m_scaling = AddEdit(form, QStringLiteral("Optimisation Scaling Val"), QStringLiteral("scaling"));
    layout->addLayout(form);
    AddButtons(layout);
    Load();
    TavHelp::ContextHelp::Set(this, "gls-parameters", kFieldHelp);
}

void GLSDialog::Load() {
    m_lambda->setText(ToQ(m_model.lambdaText));
    m_approximate->setChecked(m_model.approximate);
    m_learning->setChecked(m_model.learning);
    m_delta->setChecked(m_model.deltaUpdate);
    m_seed->setText(ToQ(m_model.seedText));
    m_scaling->setText(ToQ(m_model.scalingText));
}

void GLSDialog::Save() {
    m_model.lambdaText = FromQ(m_lambda->text());
    m_model.approximate = m_approximate->isChecked();
    m_model.learning = m_learning->isChecked();
    m_model.deltaUpdate = m_delta->isChecked();
    m_model.seedText = FromQ(m_seed->text());
    m_model.scalingText = FromQ(m_scaling->text());
}

QWidget* GLSDialog::FocusAfterRefusal() {
    switch (m_model.GetFocus()) {
    case GLSDialogModel::Field::Seed:
        return m_seed;
    case GLSDialogModel::Field::Scaling:
        return m_scaling;
    default:
        return m_lambda;
    }
}

} // namespace TavDialogs
