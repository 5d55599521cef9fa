#include "workbench/dialogs/widgets/CSeeAllDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/ListEditing.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"variables", "Choose a variable to see what values it may take."},
    {"dataType", "The chosen variable's type."},
    {"domainID", "The domain of the chosen variable."},
    {"size", "The chosen array variable's dimensions."},
    {"lower", "The smallest value of the variable's domain."},
    {"upper", "The largest value of the variable's domain."},
    {"values", "The values of the variable's domain, when it lists them."},
};

} // namespace

CSeeAllDlg::CSeeAllDlg(SeeAllDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Variables and Domains"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_variables = new QComboBox(this);
    m_variables->setObjectName(QStringLiteral("variables"));
    for (const std::string& id : m_model.VariableEntries())
        m_variables->addItem(ToQ(id));
    m_variables->setCurrentIndex(-1);
    form->addRow(QStringLiteral("Variables"), m_variables);
    m_dataType = AddEdit(form, QStringLiteral("Data Type"), QStringLiteral("dataType"), true);
    m_domainID = AddEdit(form, QStringLiteral("Domain ID"), QStringLiteral("domainID"), true);
    m_size = AddEdit(form, QStringLiteral("Size"), QStringLiteral("size"), true);
    layout->addLayout(form);
    auto* range = new QGroupBox(QStringLiteral("Range"), this);
    auto* rangeRow = new QHBoxLayout(range);
    m_lower = new QLineEdit(range);
    m_lower->setObjectName(QStringLiteral("lower"));
    m_lower->setReadOnly(true);
    m_upper = new QLineEdit(range);
    m_upper->setObjectName(QStringLiteral("upper"));
    m_upper->setReadOnly(true);
    rangeRow->addWidget(m_lower);
    rangeRow->addWidget(m_upper);
    layout->addWidget(range);
    layout->addWidget(new QLabel(QStringLiteral("Value List"), this));
    m_values = MakeList(this, "values");
    layout->addWidget(m_values);
    layout->addWidget(
        new QLabel(QStringLiteral("Floating point Domains have a Range.\nEnumerated have a Value "
                                  "List.\nInteger have a Range and may have a Value List."),
                   this));
    AddButtons(layout);
    ShowOnly();
    connect(m_variables, &QComboBox::currentIndexChanged, this, [this](int row) {
        m_model.OnSelect(row);
        Load();
    });
    Load();
    TavHelp::ContextHelp::Set(this, "view-variable", kFieldHelp);
}

void CSeeAllDlg::Load() {
    m_dataType->setText(ToQ(m_model.dataType));
    m_domainID->setText(ToQ(m_model.domainID));
    m_size->setText(ToQ(m_model.size));
    m_lower->setText(ToQ(m_model.lower));
    m_upper->setText(ToQ(m_model.upper));
    FillList(m_values, m_model.values);
}

} // namespace TavDialogs
