#include "workbench/dialogs/widgets/CTemplateDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"templates", "The ready-made problems: pick one and press OK to answer its questions."},
};

} // namespace

CTemplateDlg::CTemplateDlg(TemplateDlgModel& model, QtWizardHost& host, QWidget* parent)
    : ModelDialog(QString::fromLatin1(TemplateDlgModel::kTitle), host.Messages(), host.Elements(), parent),
      m_model(model), m_host(host) {
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("templates"));
    for (const std::string& name : TemplateDlgModel::Names())
        m_list->addItem(ToQ(name));
    m_description = new QLabel(this);
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setWordWrap(true);
    layout->addWidget(m_list);
    layout->addWidget(m_description);
    AddButtons(layout);
    // The entry with the focus is the one chosen: its description shows and it is highlighted,
    // also when the focus alone made it current.
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        m_description->setText(ToQ(TemplateDlgModel::Description(row)));
        if (row >= 0) m_list->item(row)->setSelected(true);
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
    Load();
    TavHelp::ContextHelp::Set(this, "templates", kFieldHelp);
}

void CTemplateDlg::Load() {
    m_list->setCurrentRow(m_model.selected);
}

void CTemplateDlg::Save() {
    m_model.selected = m_list->currentRow();
}

bool CTemplateDlg::Check() {
    return m_model.OnOK(Messages());
}

QWidget* CTemplateDlg::FocusAfterRefusal() {
    return m_list;
}

} // namespace TavDialogs
