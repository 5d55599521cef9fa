#include "workbench/dialogs/widgets/CBothQuantDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/NumberGrid.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"sources", "What each source S[i] supplies: click a cell and type."},
    {"destinations", "What each destination D[j] demands: click a cell and type."},
    {"removeDummy", "Removes the dummy row that balanced the totals."},
};

} // namespace

CBothQuantDlg::CBothQuantDlg(BothQuantDlgModel& model, QtWizardHost& host, QWidget* parent)
    : ModelDialog(QString::fromLatin1(BothQuantDlgModel::kTitle), host.Messages(), host.Elements(), parent),
      m_model(model), m_host(host), m_sources(new NumberGrid(this)), m_destinations(new NumberGrid(this)) {
    m_sources->setObjectName(QStringLiteral("sources"));
    m_destinations->setObjectName(QStringLiteral("destinations"));
    auto* layout = new QVBoxLayout(this);
    auto* grids = new QHBoxLayout();
    grids->addWidget(m_sources);
    grids->addWidget(m_destinations);
    layout->addLayout(grids);
    m_remove = new QPushButton(QStringLiteral("Remove Dummy"), this);
    m_remove->setObjectName(QStringLiteral("removeDummy"));
    m_remove->setAutoDefault(false);
    layout->addWidget(m_remove);
    AddButtons(layout);
    OKButton()->setAutoDefault(false);
    connect(m_remove, &QPushButton::clicked, this, [this] {
        m_model.RemoveDummy();
        Load();
    });
    Connect(BothQuantDlgModel::Grid::Sources);
    Connect(BothQuantDlgModel::Grid::Destinations);
    Load();
    TavHelp::ContextHelp::Set(this, "transport-quantities", kFieldHelp);
}

void CBothQuantDlg::Connect(BothQuantDlgModel::Grid which) {
    NumberGrid* grid = Grid(which);
    connect(grid, &NumberGrid::cellEdited, this, [this, which](int row, int, const QString& text) {
        m_model.Rows(which).at(static_cast<std::size_t>(row - 1)).quantity = FromQ(text);
    });
    connect(grid, &NumberGrid::bodyCellClicked, this, [this, which](int row, int) {
        m_model.OpenEditor(which, row);
        ShowActiveEditor();
    });
    const auto move = [this](bool down) {
        if (down)
            m_model.MoveEditorDown();
        else
            m_model.MoveEditorUp();
        ShowActiveEditor();
    };
    connect(grid->Editor(), &CGridEdit::arrowPressed, this, move);
    connect(grid->Editor(), &CGridEdit::tabPressed, this, [move] { move(true); });
    connect(grid->Editor(), &CGridEdit::enterPressed, this, [move] { move(true); });
}

void CBothQuantDlg::Load() {
    for (BothQuantDlgModel::Grid which :
         {BothQuantDlgModel::Grid::Sources, BothQuantDlgModel::Grid::Destinations}) {
        NumberGrid* grid = Grid(which);
        const auto& rows = m_model.Rows(which);
        grid->Editor()->hide();
        grid->SetBodySize(static_cast<int>(rows.size()), 1);
        grid->SetColumnHeading(1, QStringLiteral("Quantity"));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            grid->SetRowHeading(static_cast<int>(i) + 1, ToQ(rows[i].label));
            grid->SetCellText(static_cast<int>(i) + 1, 1, ToQ(rows[i].quantity));
        }
    }
    m_remove->setEnabled(m_model.RemoveDummyEnabled());
    ShowActiveEditor();
}

void CBothQuantDlg::ShowActiveEditor() {
    // One editor at a time: the one that shows is the one that takes the typing.
    const auto active = m_model.ActiveGrid();
    const auto other = active == BothQuantDlgModel::Grid::Sources ? BothQuantDlgModel::Grid::Destinations
                                                                  : BothQuantDlgModel::Grid::Sources;
    Grid(other)->CloseEditor();
    Grid(active)->OpenEditor(m_model.EditorRow(), 1);
}

QWidget* CBothQuantDlg::FocusAfterRefusal() {
    return Grid(m_model.ActiveGrid())->Editor();
}

} // namespace TavDialogs
