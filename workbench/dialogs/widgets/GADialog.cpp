#include "workbench/dialogs/widgets/GADialog.hpp"

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
    {"field1", "How many assignments make up the population (3 to 500)."},
    {"field2",
     "The crossover rate; this version crosses parents at a fixed rate of 50% whatever the box holds."},
    {"field3", "The percentage of children that get a random change."},
    {"field4",
     "The share of the population, best first, from which parents are drawn (at least 3 individuals)."},
    {"field5", "After how many generations the search gives up (1 to 5000)."},
    {"field6", "How many generations without a better individual are tolerated before penalties are raised."},
    {"field7", "The starting cost of each feature (a variable taking a value) that penalties weigh."},
    {"field8", "The weight of those penalties in the fitness (0 to 100)."},
    {"field9", "How strongly the optimisation target weighs against the constraints (0 to 9999)."},
};

} // namespace

GADialog::GADialog(GADialogModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("GA Parameter Settings"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    for (int i = 0; i < GADialogModel::kFieldCount; ++i)
        m_fields[static_cast<std::size_t>(i)] =
            AddEdit(form, QString::fromLatin1(GADialogModel::Fields()[static_cast<std::size_t>(i)].label),
                    QStringLiteral("field%1").arg(i + 1));
    layout->addLayout(form);
    AddButtons(layout);
    Load();
    TavHelp::ContextHelp::Set(this, "ga-parameters", kFieldHelp);
}

void GADialog::Load() {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(ToQ(m_model.texts[i]));
}

void GADialog::Save() {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_model.texts[i] = FromQ(m_fields[i]->text());
}

QWidget* GADialog::FocusAfterRefusal() {
    const int field = m_model.GetFocus();
    return field >= 0 && field < GADialogModel::kFieldCount ? m_fields[static_cast<std::size_t>(field)]
                                                            : nullptr;
}

} // namespace TavDialogs
