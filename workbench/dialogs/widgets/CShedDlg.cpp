#include "workbench/dialogs/widgets/CShedDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"staff", "How many nurses there are."},
    {"days", "How many days the schedule covers."},
    {"slots", "How many shifts each day has."},
    {"minFree", "How many days off each nurse must have in the period."},
    {"demand", "How many nurses each shift needs, before you change single shifts in the grid."},
};

} // namespace

CShedDlg::CShedDlg(ShedDlgModel& model, QtWizardHost& host, QWidget* parent)
    : ModelDialog(QString::fromLatin1(ShedDlgModel::kTitle), host.Messages(), host.Elements(), parent),
      m_model(model), m_host(host) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_staff = AddEdit(form, QStringLiteral("Total Staff "), QStringLiteral("staff"));
    m_days = AddEdit(form, QStringLiteral("Days in Period"), QStringLiteral("days"));
    m_slots = AddEdit(form, QStringLiteral("Slots per Day"), QStringLiteral("slots"));
    m_minFree = AddEdit(form, QStringLiteral("Minimum Free Days\n per Period"), QStringLiteral("minFree"));
    m_demand = AddEdit(form, QStringLiteral("Default demand per shift"), QStringLiteral("demand"));
    layout->addLayout(form);
    AddButtons(layout);
    // Enter in a box does not close the dialog: only a click on OK does.
    OKButton()->setAutoDefault(false);
    OKButton()->setDefault(false);
    Load();
    TavHelp::ContextHelp::Set(this, "template-nurses", kFieldHelp);
}

void CShedDlg::Load() {
    m_days->setText(ToQ(m_model.daysText));
    m_slots->setText(ToQ(m_model.slotsText));
    m_staff->setText(ToQ(m_model.staffText));
    m_minFree->setText(ToQ(m_model.minFreeText));
    m_demand->setText(ToQ(m_model.demandText));
}

void CShedDlg::Save() {
    m_model.daysText = FromQ(m_days->text());
    m_model.slotsText = FromQ(m_slots->text());
    m_model.staffText = FromQ(m_staff->text());
    m_model.minFreeText = FromQ(m_minFree->text());
    m_model.demandText = FromQ(m_demand->text());
}

bool CShedDlg::Check() {
    return m_model.OnOK(Messages());
}

QWidget* CShedDlg::FocusAfterRefusal() {
    switch (m_model.Focus()) {
    case ShedDlgModel::Field::Days:
        return m_days;
    case ShedDlgModel::Field::Slots:
        return m_slots;
    case ShedDlgModel::Field::Staff:
        return m_staff;
    case ShedDlgModel::Field::MinFree:
        return m_minFree;
    default:
        return m_demand;
    }
}

} // namespace TavDialogs
