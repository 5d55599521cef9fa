#include "workbench/dialogs/widgets/CConstantsDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"constants", "Every constant with its type and value; double-click one to edit it."},
    {"addInteger", "Adds an integer constant."},
    {"addListSet", "Adds a set or list constant."},
    {"delete", "Deletes the selected constant (after asking)."},
};

} // namespace

CConstantsDlg::CConstantsDlg(ConstantsDlgModel& model, DialogMessages& messages, DialogHost& host,
                             QWidget* parent)
    : ModelDialog(QStringLiteral("Constants"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    const auto columns = ConstantsDlgModel::Columns();
    m_table = new QTableWidget(0, static_cast<int>(columns.size()), this);
    m_table->setObjectName(QStringLiteral("constants"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->setToolTip(QStringLiteral("Double click on Constant to Edit"));
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        m_table->setHorizontalHeaderItem(c, new QTableWidgetItem(ToQ(columns[static_cast<std::size_t>(c)])));
        m_table->setColumnWidth(c, 80);
    }
    layout->addWidget(m_table);
    auto* buttons = new QHBoxLayout();
    auto* addInteger = new QPushButton(QStringLiteral("Add Integer Constant"), this);
    addInteger->setObjectName(QStringLiteral("addInteger"));
    auto* addListSet = new QPushButton(QStringLiteral("Add List/Set Constant"), this);
    addListSet->setObjectName(QStringLiteral("addListSet"));
    auto* remove = new QPushButton(QStringLiteral("Delete"), this);
    remove->setObjectName(QStringLiteral("delete"));
    remove->setToolTip(QStringLiteral("Deletes currently selected Constant from List"));
    for (QPushButton* button : {addInteger, addListSet, remove}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    AddButtons(layout);
    ShowOnly();

    connect(addInteger, &QPushButton::clicked, this, [this] {
        m_model.OnAddInteger(Host());
        Load();
    });
    connect(addListSet, &QPushButton::clicked, this, [this] {
        m_model.OnAddListSet(Host());
        Load();
    });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        m_model.OnEdit(row, Host());
        Load();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        Save();
        m_model.OnDelete(Messages());
        Load();
    });
    Load();
    TavHelp::ContextHelp::Set(this, "constants-list", kFieldHelp);
}

void CConstantsDlg::Load() {
    const auto rows = m_model.Rows();
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto& row = rows[static_cast<std::size_t>(r)];
        m_table->setItem(r, 0, new QTableWidgetItem(ToQ(row.id)));
        m_table->setItem(r, 1, new QTableWidgetItem(ToQ(row.type)));
        m_table->setItem(r, 2, new QTableWidgetItem(ToQ(row.value)));
    }
    m_table->clearSelection();
}

void CConstantsDlg::Save() {
    const auto selected = m_table->selectionModel()->selectedRows();
    m_model.selection = selected.isEmpty() ? -1 : selected.front().row();
}

} // namespace TavDialogs
