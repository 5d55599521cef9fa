#include "workbench/dialogs/widgets/CSelConstDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/ui/CContentsList.hpp"
#include "workbench/ui/CPopupTip.hpp"

#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"constants",
     "The constants that fit here; rest the mouse on one to see its value, double-click to choose it."},
};

} // namespace

CSelConstDlg::CSelConstDlg(SelConstDlgModel& model, DialogMessages& messages, DialogHost& host,
                           QWidget* parent)
    : ModelDialog(QStringLiteral("Select Constant"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* list = new TavWorkbench::Ui::CContentsList(this);
    list->setObjectName(QStringLiteral("constants"));
    list->SetConstants(&m_model.Constants());
    m_list = list;
    layout->addWidget(m_list);
    AddButtons(layout);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
    Load();
    TavHelp::ContextHelp::Set(this, "select-constant", kFieldHelp);
}

int CSelConstDlg::exec() {
    if (!m_model.OnInitDialog(Messages())) return QDialog::Rejected;
    return ModelDialog::exec();
}

void CSelConstDlg::Load() {
    auto* list = static_cast<TavWorkbench::Ui::CContentsList*>(m_list);
    list->clear();
    for (const auto& entry : m_model.Entries())
        list->AddConstantItem(ToQ(entry.id), entry.constantIndex);
    m_list->setCurrentRow(m_model.selection);
}

void CSelConstDlg::Save() {
    m_model.selection = m_list->currentRow();
}

QWidget* CSelConstDlg::FocusAfterRefusal() {
    return m_list;
}

} // namespace TavDialogs
