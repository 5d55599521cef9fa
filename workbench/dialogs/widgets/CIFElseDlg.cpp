#include "workbench/dialogs/widgets/CIFElseDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/ui/TitleWidth.hpp"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"template0", "A condition with constraints that apply when it holds."},
    {"template1", "A condition with one set of constraints when it holds and another when it does not."},
    {"template2", "A condition, and a second condition tried when the first does not hold."},
    {"template3", "Two conditions tried in turn, and constraints for when neither holds."},
    {"apply", "Inserts the chosen template at the caret of the constraint builder."},
    {"cancel", "Closes the templates without inserting anything."},
};

} // namespace

CIFElseDlg::CIFElseDlg(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("If.. ElseIf.. Else Templates"));
    TavWorkbench::Ui::KeepTitleVisible(*this);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout();
    auto* group = new QGroupBox(QStringLiteral("Template"), this);
    auto* radios = new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(this);
    const auto choices = IFElseDlgModel::Choices();
    for (int i = 0; i < static_cast<int>(choices.size()); ++i) {
        auto* radio = new QRadioButton(ToQ(choices[static_cast<std::size_t>(i)]), group);
        radio->setObjectName(QStringLiteral("template%1").arg(i));
        radio->setChecked(i == 0);
        buttons->addButton(radio, i);
        radios->addWidget(radio);
    }
    row->addWidget(group);
    m_shown = new QLabel(ToQ(m_model.ShownText(), true), this);
    m_shown->setObjectName(QStringLiteral("shown"));
    row->addWidget(m_shown);
    layout->addLayout(row);
    for (const std::string& help : IFElseDlgModel::HelpTexts())
        layout->addWidget(new QLabel(ToQ(help), this));
    auto* actions = new QHBoxLayout();
    auto* apply = new QPushButton(QStringLiteral("Apply"), this);
    apply->setObjectName(QStringLiteral("apply"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    actions->addStretch();
    actions->addWidget(apply);
    actions->addWidget(cancel);
    layout->addLayout(actions);
    connect(buttons, &QButtonGroup::idClicked, this, [this](int id) {
        m_model.OnChoose(id);
        m_shown->setText(ToQ(m_model.ShownText(), true));
    });
    connect(apply, &QPushButton::clicked, this, [this] {
        emit applied(m_model.ShownText());
        close();
    });
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    TavHelp::ContextHelp::Set(this, "if-else-templates", kFieldHelp);
}

void CIFElseDlg::closeEvent(QCloseEvent* event) {
    emit closed();
    QDialog::closeEvent(event);
}

} // namespace TavDialogs
