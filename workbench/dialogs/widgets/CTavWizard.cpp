#include "workbench/dialogs/widgets/CTavWizard.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/CDomainsPage.hpp"
#include "workbench/dialogs/widgets/CFinalPage.hpp"
#include "workbench/dialogs/widgets/CIntroPage.hpp"
#include "workbench/dialogs/widgets/CStraintPage.hpp"
#include "workbench/dialogs/widgets/CVariablesPage.hpp"
#include "workbench/ui/TitleWidth.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"back", "Goes back to the previous page."},
    {"next", "Goes on to the next page (from the constraints, after checking the problem)."},
    {"finish", "Replaces the document's problem with the one made in the wizard."},
    {"cancel", "Leaves the wizard; the document's problem stays as it was."},
};

} // namespace

CTavWizard::CTavWizard(TavWizardModel& model, QWidget* parent) : QDialog(parent), m_model(model) {
    setWindowTitle(QString::fromLatin1(TavWizardModel::kTitle));
    TavWorkbench::Ui::KeepTitleVisible(*this);
    auto* layout = new QVBoxLayout(this);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("caption"));
    layout->addWidget(m_caption);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(new CIntroPage(this));
    m_pages->addWidget(new CDomainsPage(model.Domains(), this));
    m_pages->addWidget(new CVariablesPage(model.Variables(), this));
    m_pages->addWidget(new CStraintPage(model.Constraints(), this));
    m_final = new CFinalPage(model.Final(), this);
    m_pages->addWidget(m_final);
    layout->addWidget(m_pages);
    auto* row = new QHBoxLayout();
    row->addStretch();
    const auto button = [&](const char* text, const char* name) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    m_back = button("< Back", "back");
    m_next = button("Next >", "next");
    m_finish = button("Finish", "finish");
    QPushButton* cancel = button("Cancel", "cancel");
    layout->addLayout(row);
    connect(m_back, &QPushButton::clicked, this, [this] {
        if (m_model.Current() == TavWizardModel::Page::Final) m_final->Save();
        if (m_model.Back()) ShowPage();
    });
    connect(m_next, &QPushButton::clicked, this, [this] {
        if (m_model.Next()) ShowPage();
    });
    connect(m_finish, &QPushButton::clicked, this, [this] {
        m_final->Save();
        if (m_model.Finish()) accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(560, 420);
    ShowPage();
    TavHelp::ContextHelp::Set(this, "problem-wizard", kFieldHelp);
}

void CTavWizard::ShowPage() {
    auto* page = static_cast<WizardPage*>(m_pages->widget(static_cast<int>(m_model.Current())));
    page->Refresh();
    m_pages->setCurrentWidget(page);
    m_caption->setText(page->Caption());
    m_back->setVisible(m_model.BackShown());
    m_next->setVisible(m_model.NextShown());
    m_finish->setVisible(m_model.FinishShown());
}

} // namespace TavDialogs
