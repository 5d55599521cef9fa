#include "workbench/dialogs/widgets/ExSolDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/ListEditing.hpp"

#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"solvers", "The connected external solver programs: double-click one to choose it."},
};

} // namespace

ExSolDlg::ExSolDlg(ExSolDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("External Solvers"), messages, host, parent), m_model(model),
      m_list(MakeList(this, "solvers")) {
    auto* layout = new QVBoxLayout(this);
    QListWidget* list = m_list;
    std::vector<std::string> lines;
    for (std::size_t row = 0; row < model.Entries().size(); ++row)
        lines.push_back(model.Line(row));
    FillList(list, lines);
    layout->addWidget(list);
    AddButtons(layout);
    connect(list, &QListWidget::itemDoubleClicked, this, [this, list, &model](QListWidgetItem* item) {
        model.OnDoubleClick(list->row(item));
        accept();
    });
    TavHelp::ContextHelp::Set(this, "external-solvers", kFieldHelp);
}

void ExSolDlg::Save() {
    const QList<QListWidgetItem*> chosen = m_list->selectedItems();
    if (chosen.size() == 1) m_model.OnChoose(m_list->row(chosen.front()));
}

} // namespace TavDialogs
