#include "workbench/dialogs/widgets/CTimeDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"minutes", "How many minutes a solve may run before Tav asks whether to stop it (1 to 30)."},
    {"useDefault", "Puts the default of 5 minutes in the box."},
};

} // namespace

CTimeDlg::CTimeDlg(TimeDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Set Maximum Solution Time"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_minutes = AddEdit(form, QStringLiteral("Time in minutes"), QStringLiteral("minutes"));
    layout->addLayout(form);
    auto* useDefault = new QPushButton(QStringLiteral("Use Default"), this);
    useDefault->setObjectName(QStringLiteral("useDefault"));
    useDefault->setAutoDefault(false);
    layout->addWidget(useDefault);
    AddButtons(layout);
    connect(useDefault, &QPushButton::clicked, this, [this] {
        m_model.OnUseDefault();
        Load();
    });
    Load();
    TavHelp::ContextHelp::Set(this, "search-time", kFieldHelp);
}

void CTimeDlg::Load() {
    m_minutes->setText(ToQ(m_model.minutesText));
}

void CTimeDlg::Save() {
    m_model.minutesText = FromQ(m_minutes->text());
}

QWidget* CTimeDlg::FocusAfterRefusal() {
    return m_minutes;
}

} // namespace TavDialogs
