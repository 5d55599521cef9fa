#include "workbench/dialogs/widgets/CLPConsDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/NumberGrid.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"grid", "The constraint's coefficient of each variable X[i]: click a cell and type."},
    {"operator", "How the left-hand side compares with the right-hand side: <=, = or >=."},
    {"rhs", "The number on the right-hand side of the constraint."},
};

} // namespace

CLPConsDlg::CLPConsDlg(LPConsDlgModel& model, QtWizardHost& host, QWidget* parent)
    : CoefficientDlg(model, host, parent, [this] { m_operator->setFocus(); }) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_coefficients.Grid());
    auto* form = new QFormLayout();
    m_operator = new QComboBox(this);
    m_operator->setObjectName(QStringLiteral("operator"));
    for (const std::string& op : LPConsDlgModel::Operators())
        m_operator->addItem(ToQ(op));
    form->addRow(QStringLiteral("Operator"), m_operator);
    m_rhs = AddEdit(form, QStringLiteral("Right-hand side"), QStringLiteral("rhs"));
    layout->addLayout(form);
    AddButtons(layout);
    OKButton()->setAutoDefault(false);
    CancelButton()->setAutoDefault(false);
    Load();
    TavHelp::ContextHelp::Set(this, "lp-constraint", kFieldHelp);
}

void CLPConsDlg::Load() {
    m_coefficients.Load();
    m_operator->setCurrentIndex(m_model.operatorIndex);
    m_rhs->setText(ToQ(m_model.rhsText));
}

void CLPConsDlg::Save() {
    m_coefficients.Save();
    m_model.operatorIndex = m_operator->currentIndex();
    m_model.rhsText = FromQ(m_rhs->text());
}

QWidget* CLPConsDlg::FocusAfterRefusal() {
    return m_model.Focus() == LPConsDlgModel::Field::Operator ? static_cast<QWidget*>(m_operator)
                                                              : m_coefficients.Grid()->Editor();
}

} // namespace TavDialogs
