#include "workbench/dialogs/widgets/CFinalPage.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"title", "The problem's name, shown at the top of the tree."},
    {"summary", "What Finish will put into the document."},
};

} // namespace

CFinalPage::CFinalPage(FinalPageModel& model, QWidget* parent)
    : WizardPage(QString(), parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("title"));
    form->addRow(QStringLiteral("Problem Title"), m_title);
    layout->addLayout(form);
    m_summary = new QPlainTextEdit(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setReadOnly(true);
    layout->addWidget(m_summary);
    m_title->setText(ToQ(m_model.titleText));
    TavHelp::ContextHelp::Set(this, "wizard-final", kFieldHelp);
}

void CFinalPage::Refresh() {
    m_summary->setPlainText(ToQ(m_model.Summary(), true));
}

void CFinalPage::Save() {
    m_model.titleText = FromQ(m_title->text());
}

} // namespace TavDialogs
