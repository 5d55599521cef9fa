#include "workbench/dialogs/widgets/CGridDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/NumberGrid.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"grid", "The numbers of the problem: click a cell and type; Tab and the arrow keys move."},
    {"back", "Goes back to the previous dialog."},
};

} // namespace

CGridDlg::CGridDlg(GridDlgModel& model, QtWizardHost& host, QWidget* parent)
    : ModelDialog(ToQ(model.Title()), host.Messages(), host.Elements(), parent), m_model(model),
      m_grid(new NumberGrid(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    AddButtons(layout);
    OKButton()->setAutoDefault(false);
    auto* back = new QPushButton(QStringLiteral("Back"), this);
    back->setObjectName(QStringLiteral("back"));
    back->setAutoDefault(false);
    layout->addWidget(back);
    connect(back, &QPushButton::clicked, this, [this] { done(QtWizardHost::kBack); });
    connect(m_grid, &NumberGrid::cellEdited, this, [this](int row, int col, const QString& text) {
        m_model.SetCell(row, col, FromQ(text));
        if (m_model.GetMode() == GridDlgModel::Mode::City) m_grid->SetCellText(col, row, text);
    });
    connect(m_grid, &NumberGrid::bodyCellClicked, this,
            [this](int row, int col) { m_model.MoveEditor(row, col); });
    resize(720, 420);
    Load();
    TavHelp::ContextHelp::Set(
        this, m_model.GetMode() == GridDlgModel::Mode::City ? "template-salesman" : "template-nurses",
        kFieldHelp);
}

void CGridDlg::Load() {
    m_grid->SetBodySize(m_model.Rows() - 1, m_model.Cols() - 1);
    for (int c = 1; c < m_model.Cols(); ++c)
        m_grid->SetColumnHeading(c, ToQ(m_model.Text(0, c)));
    for (int r = 1; r < m_model.Rows(); ++r) {
        m_grid->SetRowHeading(r, ToQ(m_model.Text(r, 0)));
        for (int c = 1; c < m_model.Cols(); ++c) {
            m_grid->SetCellText(r, c, ToQ(m_model.Text(r, c)));
            if (m_model.IsGrey(r, c)) m_grid->SetGrey(r, c);
        }
    }
    m_grid->OpenEditor(m_model.EditorRow(), m_model.EditorCol());
}

} // namespace TavDialogs
