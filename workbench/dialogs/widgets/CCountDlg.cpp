#include "workbench/dialogs/widgets/CCountDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"count", "The most solutions the solve should look for (1 or more)."},
};

} // namespace

CCountDlg::CCountDlg(CountDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Number Of Solutions"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_count =
        AddEdit(form, QStringLiteral("Maximum number of solutions to search for"), QStringLiteral("count"));
    layout->addLayout(form);
    AddButtons(layout);
    Load();
    TavHelp::ContextHelp::Set(this, "number-of-solutions", kFieldHelp);
}

void CCountDlg::Load() {
    m_count->setText(ToQ(m_model.countText));
}

void CCountDlg::Save() {
    m_model.countText = FromQ(m_count->text());
}

QWidget* CCountDlg::FocusAfterRefusal() {
    return m_count;
}

} // namespace TavDialogs
