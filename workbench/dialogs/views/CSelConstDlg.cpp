#include "workbench/dialogs/views/CSelConstDlg.hpp"

#include "workbench/dialogs/views/ListEditing.hpp"

#include <QVBoxLayout>

namespace TavDialogs {

CSelConstDlg::CSelConstDlg(SelConstDlgModel& model, DialogMessages& messages, DialogHost& host,
                           QWidget* parent)
    : ModelDialog(QStringLiteral("Select Constant"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    m_list = MakeList(this, "constants");
    layout->addWidget(m_list);
    AddButtons(layout);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
    Load();
}

int CSelConstDlg::exec() {
    if (!m_model.OnInitDialog(Messages())) return QDialog::Rejected;
    return ModelDialog::exec();
}

void CSelConstDlg::Load() {
    std::vector<std::string> ids;
    for (const auto& entry : m_model.Entries())
        ids.push_back(entry.id);
    FillList(m_list, ids);
    m_list->setCurrentRow(m_model.selection);
}

void CSelConstDlg::Save() {
    m_model.selection = m_list->currentRow();
}

QWidget* CSelConstDlg::FocusAfterRefusal() {
    return m_list;
}

} // namespace TavDialogs
