#include "workbench/dialogs/widgets/CVarDetailsDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"variables", "Every variable with its domain and, for an array, its size."},
};

} // namespace

CVarDetailsDlg::CVarDetailsDlg(VarDetailsDlgModel& model, DialogMessages& messages, DialogHost& host,
                               QWidget* parent)
    : ModelDialog(QStringLiteral("Variable Details"), messages, host, parent) {
    auto* layout = new QVBoxLayout(this);
    const auto columns = VarDetailsDlgModel::Columns();
    const auto rows = model.Rows();
    auto* table = new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(columns.size()), this);
    table->setObjectName(QStringLiteral("variables"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        table->setHorizontalHeaderItem(c,
                                       new QTableWidgetItem(ToQ(columns[static_cast<std::size_t>(c)].title)));
        table->setColumnWidth(c, columns[static_cast<std::size_t>(c)].width);
    }
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto& row = rows[static_cast<std::size_t>(r)];
        const std::string cells[] = {row.id, row.domainID, row.array, row.size};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(ToQ(cells[c]));
            if (columns[static_cast<std::size_t>(c)].rightAligned)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    }
    layout->addWidget(table);
    AddButtons(layout);
    ShowOnly();
    TavHelp::ContextHelp::Set(this, "variables", kFieldHelp);
}

} // namespace TavDialogs
