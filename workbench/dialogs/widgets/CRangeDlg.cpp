#include "workbench/dialogs/widgets/CRangeDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/ui/CMyEdit.hpp"

#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"from", "The first value of the range."},
    {"to", "The last value the range may reach (below ten million)."},
    {"step", "The gap between two values of the range, at least 1."},
};

} // namespace

CRangeDlg::CRangeDlg(RangeDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Create A Range Of Values"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_from = AddEditOf<TavWorkbench::Ui::CMyEdit>(form, QStringLiteral("From"), QStringLiteral("from"));
    m_to = AddEditOf<TavWorkbench::Ui::CMyEdit>(form, QStringLiteral("To"), QStringLiteral("to"));
    m_step = AddEdit(form, QStringLiteral("Step"), QStringLiteral("step"));
    // Digits only.
    m_step->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_step));
    layout->addLayout(form);
    AddButtons(layout);
    Load();
    TavHelp::ContextHelp::Set(this, "set-domain", kFieldHelp);
}

void CRangeDlg::Load() {
    m_from->setText(ToQ(m_model.fromText));
    m_to->setText(ToQ(m_model.toText));
    m_step->setText(ToQ(m_model.stepText));
}

void CRangeDlg::Save() {
    m_model.fromText = FromQ(m_from->text());
    m_model.toText = FromQ(m_to->text());
    m_model.stepText = FromQ(m_step->text());
}

QWidget* CRangeDlg::FocusAfterRefusal() {
    switch (m_model.GetFocus()) {
    case RangeDlgModel::Field::To:
        return m_to;
    case RangeDlgModel::Field::Step:
        return m_step;
    default:
        return m_from;
    }
}

} // namespace TavDialogs
