#include "workbench/dialogs/widgets/COptimDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/NumberGrid.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"grid", "The objective's coefficient of each variable X[i]: click a cell and type."},
    {"maximize", "Makes the objective as large as possible."},
    {"minimize", "Makes the objective as small as possible."},
};

} // namespace

COptimDlg::COptimDlg(OptimDlgModel& model, QtWizardHost& host, QWidget* parent)
    : CoefficientDlg(model, host, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_coefficients.Grid());
    auto* group = new QGroupBox(QStringLiteral("Optimize Options"), this);
    auto* radios = new QVBoxLayout(group);
    m_maximize = new QRadioButton(QStringLiteral("Maximize"), group);
    m_maximize->setObjectName(QStringLiteral("maximize"));
    m_minimize = new QRadioButton(QStringLiteral("Minimize"), group);
    m_minimize->setObjectName(QStringLiteral("minimize"));
    radios->addWidget(m_maximize);
    radios->addWidget(m_minimize);
    layout->addWidget(group);
    AddButtons(layout);
    OKButton()->setAutoDefault(false);
    Load();
    TavHelp::ContextHelp::Set(this, "lp-objective", kFieldHelp);
}

void COptimDlg::Load() {
    m_coefficients.Load();
    m_maximize->setChecked(m_model.option == OptimDlgModel::kMaximize);
    m_minimize->setChecked(m_model.option == OptimDlgModel::kMinimize);
}

void COptimDlg::Save() {
    m_coefficients.Save();
    m_model.option = m_maximize->isChecked()   ? OptimDlgModel::kMaximize
                     : m_minimize->isChecked() ? OptimDlgModel::kMinimize
                                               : -1;
}

QWidget* COptimDlg::FocusAfterRefusal() {
    return m_model.Focus() == OptimDlgModel::Field::Maximize ? static_cast<QWidget*>(m_maximize)
                                                             : m_coefficients.Grid()->Editor();
}

} // namespace TavDialogs
