#include "workbench/dialogs/widgets/CForTempDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/ListEditing.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/ui/TitleWidth.hpp"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"templates", "The Forall loops: pick one, click in the constraint where it goes, then Apply."},
    {"apply", "Inserts the picked loop at the caret of the constraint builder."},
    {"close", "Closes the templates without inserting anything."},
};

} // namespace

CForTempDlg::CForTempDlg(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("For All Templates"));
    TavWorkbench::Ui::KeepTitleVisible(*this);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    const auto help = ForTempDlgModel::HelpTexts();
    layout->addWidget(new QLabel(ToQ(help[0]), this));
    m_list = MakeList(this, "templates");
    FillList(m_list, ForTempDlgModel::Entries());
    m_list->setCurrentRow(-1);
    layout->addWidget(m_list);
    layout->addWidget(new QLabel(ToQ(help[1]), this));
    layout->addWidget(new QLabel(ToQ(help[2]), this));
    auto* row = new QHBoxLayout();
    m_apply = new QPushButton(QStringLiteral("Apply"), this);
    m_apply->setObjectName(QStringLiteral("apply"));
    m_apply->setEnabled(false);
    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName(QStringLiteral("close"));
    row->addStretch();
    row->addWidget(m_apply);
    row->addWidget(closeButton);
    layout->addLayout(row);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int current) {
        m_model.selection = current;
        m_apply->setEnabled(m_model.IsApplyEnabled());
    });
    connect(m_apply, &QPushButton::clicked, this, [this] {
        if (!m_model.IsApplyEnabled()) return;
        emit applied(m_model.selection);
        close();
    });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    TavHelp::ContextHelp::Set(this, "forall-templates", kFieldHelp);
}

void CForTempDlg::closeEvent(QCloseEvent* event) {
    emit closed();
    QDialog::closeEvent(event);
}

} // namespace TavDialogs
