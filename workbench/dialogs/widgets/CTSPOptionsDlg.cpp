#include "workbench/dialogs/widgets/CTSPOptionsDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"routeLimit", "The tour must be shorter than this total distance."},
    {"specifyStart", "Makes the tour start at a city you name."},
    {"startCity", "The number of the city the tour starts at."},
};

} // namespace

CTSPOptionsDlg::CTSPOptionsDlg(TSPOptionsDlgModel& model, QtWizardHost& host, QWidget* parent)
    : ModelDialog(QString::fromLatin1(TSPOptionsDlgModel::kTitle), host.Messages(), host.Elements(), parent),
      m_model(model), m_host(host) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_limit = AddEdit(form, QStringLiteral("Find route less than "), QStringLiteral("routeLimit"));
    m_specify = new QCheckBox(QStringLiteral("Specify Start City"), this);
    m_specify->setObjectName(QStringLiteral("specifyStart"));
    form->addRow(m_specify);
    m_start = AddEdit(form, QStringLiteral("Start at City Number"), QStringLiteral("startCity"));
    layout->addLayout(form);
    AddButtons(layout);
    connect(m_specify, &QCheckBox::toggled, m_start, &QWidget::setEnabled);
    Load();
    TavHelp::ContextHelp::Set(this, "template-salesman", kFieldHelp);
}

void CTSPOptionsDlg::Load() {
    m_limit->setText(ToQ(m_model.routeLimitText));
    m_specify->setChecked(m_model.specifyStartCity);
    m_start->setText(ToQ(m_model.startCityText));
    m_start->setEnabled(m_model.StartCityEnabled());
}

void CTSPOptionsDlg::Save() {
    m_model.routeLimitText = FromQ(m_limit->text());
    m_model.specifyStartCity = m_specify->isChecked();
    m_model.startCityText = FromQ(m_start->text());
}

bool CTSPOptionsDlg::Check() {
    return m_model.OnOK(Messages());
}

QWidget* CTSPOptionsDlg::FocusAfterRefusal() {
    return m_model.Focus() == TSPOptionsDlgModel::Field::RouteLimit ? m_limit : m_start;
}

} // namespace TavDialogs
