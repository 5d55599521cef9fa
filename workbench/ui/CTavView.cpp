#include "workbench/ui/CTavView.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/ui/ActionProviders.hpp"
#include "workbench/views/ResultsPages.hpp"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QFontDialog>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QStackedLayout>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace TavWorkbench::Ui {

namespace {

// List mode: one solution as lines of name and value, drawn at fixed columns.
class ResultsListArea : public QAbstractScrollArea {
public:
    static constexpr int kValueX = 150;
    static constexpr int kSolutionX = 230;
    static constexpr int kWidth = 500;

    ResultsListArea(CTavDoc& doc, const TavViewModel& model, QWidget* parent)
        : QAbstractScrollArea(parent), m_doc(doc), m_model(model) {
        viewport()->setBackgroundRole(QPalette::Base);
        viewport()->setAutoFillBackground(true);
        setFocusPolicy(Qt::StrongFocus);
    }

    void Refresh() {
        int records = 0;
        {
            const auto lock = m_doc.LockSolutions();
            records = m_doc.GetSolutions().GetSize();
        }
        const int h = fontMetrics().height();
        const int height = (records + 2) * h;
        verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
        verticalScrollBar()->setPageStep(viewport()->height());
        verticalScrollBar()->setSingleStep(h);
        horizontalScrollBar()->setRange(0, std::max(0, kWidth - viewport()->width()));
        horizontalScrollBar()->setPageStep(viewport()->width());
        viewport()->update();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QAbstractScrollArea::resizeEvent(event);
        Refresh();
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(viewport());
        painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
        const QFontMetrics metrics = fontMetrics();
        const int h = metrics.height();
        std::vector<TavViewModel::ListLine> lines;
        {
            const auto lock = m_doc.LockSolutions();
            lines = m_model.ListLines(m_doc.GetSolutions());
        }
        int y = metrics.ascent();
        for (const auto& line : lines) {
            painter.drawText(0, y, QString::fromStdString(line.name));
            painter.drawText(kValueX, y, QString::fromStdString(line.value));
            if (!line.solution.empty())
                painter.drawText(kSolutionX, y, QString::fromStdString(line.solution));
            y += h;
        }
    }

private:
    CTavDoc& m_doc;
    const TavViewModel& m_model;
};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CTavView::CTavView(CTavDoc& doc, ActionProviders& providers, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_providers(providers),
      m_gridModel(std::make_unique<ResultsGridModel>(m_model.Grid())), m_printerFont("Arial", 16) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("resultsNote"));
    m_note->setWordWrap(true);
    m_note->setTextFormat(Qt::PlainText);
    m_note->setMargin(6);
    m_note->setAutoFillBackground(true);
    QPalette notePalette = m_note->palette();
    notePalette.setColor(QPalette::Window, QColor(255, 255, 192));
    notePalette.setColor(QPalette::WindowText, Qt::black);
    m_note->setPalette(notePalette);
    m_note->hide();
    outer->addWidget(m_note);
    m_stack = new QStackedLayout();
    m_stack->setContentsMargins(0, 0, 0, 0);
    outer->addLayout(m_stack);
    m_list = new ResultsListArea(doc, m_model, this);
    m_table = new QTableView(this);
    m_table->setModel(m_gridModel.get());
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_table->horizontalHeader()->setDefaultSectionSize(90);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->verticalHeader()->setMinimumWidth(80);
    m_table->setWordWrap(false);
    m_stack->addWidget(m_list);
    m_stack->addWidget(m_table);
    m_stack->setCurrentWidget(m_list);
}

CTavView::~CTavView() = default;

void CTavView::ShowGrid() {
    m_model.ShowGrid();
    m_stack->setCurrentWidget(m_table);
    emit StateChanged();
}

void CTavView::ShowList() {
    m_model.ShowList();
    m_stack->setCurrentWidget(m_list);
    static_cast<ResultsListArea*>(m_list)->Refresh();
    emit StateChanged();
}

void CTavView::SetNote(const std::string& text) {
    m_note->setText(Text(text));
    m_note->setVisible(!text.empty());
}

std::string CTavView::Note() const {
    return m_note->isVisibleTo(this) ? m_note->text().toStdString() : std::string();
}

void CTavView::RefreshResults(int count) {
    // New results: a note on earlier ones no longer applies (a run's end sets its own).
    SetNote({});
    setFocus();
    {
        const auto lock = m_doc.LockSolutions();
        m_model.RefreshResults(count, m_doc.GetSolutions(), m_doc.GetRequestedCount());
    }
    m_table->clearSelection();
    static_cast<ResultsListArea*>(m_list)->Refresh();
    emit StateChanged();
}

void CTavView::GoFirstSolution() {
    if (m_model.GoFirstSolution()) m_list->update();
    emit StateChanged();
}

void CTavView::GoLastSolution() {
    bool redraw = false;
    {
        const auto lock = m_doc.LockSolutions();
        redraw = m_model.GoLastSolution(m_doc.GetSolutions());
    }
    if (redraw) static_cast<ResultsListArea*>(m_list)->viewport()->update();
    emit StateChanged();
}

void CTavView::GoNextSolution() {
    bool redraw = false;
    {
        const auto lock = m_doc.LockSolutions();
        redraw = m_model.GoNextSolution(m_doc.GetSolutions());
    }
    if (redraw) static_cast<ResultsListArea*>(m_list)->viewport()->update();
    emit StateChanged();
}

void CTavView::GoPreviousSolution() {
    if (m_model.GoPreviousSolution()) static_cast<ResultsListArea*>(m_list)->viewport()->update();
    emit StateChanged();
}

void CTavView::AddTotal() {
    if (!m_model.IsGridMode()) return;
    ElementActions* provider = m_providers.For(CommandId::AddTotal);
    if (provider == nullptr) return;
    int records = 0;
    {
        const auto lock = m_doc.LockSolutions();
        records = m_doc.GetSolutions().GetSize();
    }
    if (records == 0) return;
    const auto [lower, upper] = m_model.PrepareTotalRow(records);
    // The dialog runs its own event loop: the store is not locked meanwhile.
    const auto rows = provider->AskTotalRows(this, lower, upper);
    if (!rows) return;
    const auto lock = m_doc.LockSolutions();
    m_model.SumRows(rows->first, rows->second, m_model.Grid().Rows() - 1, m_doc.GetSolutions());
}

void CTavView::TakeSelection() {
    ResultsGrid& grid = m_model.Grid();
    const QItemSelection selection = m_table->selectionModel()->selection();
    if (selection.isEmpty()) {
        const QModelIndex current = m_table->currentIndex();
        grid.SetCell(current.isValid() ? current.row() + 1 : 0, current.isValid() ? current.column() + 1 : 0);
        return;
    }
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const QItemSelectionRange& range : selection) {
        top = std::min(top, range.top());
        left = std::min(left, range.left());
        bottom = std::max(bottom, range.bottom());
        right = std::max(right, range.right());
    }
    grid.SetCell(top + 1, left + 1);
    grid.SetSelectionEnd(bottom + 1, right + 1);
}

void CTavView::Copy() {
    if (!m_model.IsGridMode()) return;
    TakeSelection();
    QApplication::clipboard()->setText(Text(m_model.CopyText()));
}

void CTavView::ChoosePrinterFont() {
    bool ok = false;
    const QFont font =
        QFontDialog::getFont(&ok, m_printerFont, this, QString(), QFontDialog::DontUseNativeDialog);
    if (ok) m_printerFont = font;
}

namespace {

struct PrintSetup {
    PageMetrics metrics;
    TextWidth widthOf;
    PrintLayout layout;
};

PrintSetup SetUp(const QFont& font, QPrinter& printer, const CSolutionArray& store) {
    const QFontMetrics fm(font, &printer);
    PrintSetup setup;
    setup.metrics.lineHeight = fm.height();
    setup.metrics.gap = 2 * fm.maxWidth();
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    setup.metrics.left = 0;
    setup.metrics.top = 0;
    setup.metrics.right = page.width();
    setup.metrics.bottom = page.height();
    setup.widthOf = [fm](const std::string& text) {
        return fm.horizontalAdvance(QString::fromStdString(text));
    };
    setup.layout =
        Paginate(setup.metrics, setup.widthOf, TavViewModel::SolutionCount(store), store.GetSize());
    return setup;
}

} // namespace

int CTavView::PageCount(QPrinter& printer) {
    // Measured on the printer without painting on it (that would start a new document).
    const auto lock = m_doc.LockSolutions();
    return static_cast<int>(SetUp(m_printerFont, printer, m_doc.GetSolutions()).layout.pages.size());
}

int CTavView::PrintTo(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    painter.setFont(m_printerFont);
    const std::string title = m_title ? m_title() : std::string();
    const auto lock = m_doc.LockSolutions();
    const CSolutionArray& store = m_doc.GetSolutions();
    const PrintSetup setup = SetUp(m_printerFont, printer, store);
    const int pages = static_cast<int>(setup.layout.pages.size());
    int first = 1;
    int last = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(printer.fromPage(), 1);
        last = std::min(printer.toPage() > 0 ? printer.toPage() : pages, pages);
    }
    const int ascent = painter.fontMetrics().ascent();
    int printed = 0;
    for (int number = first; number <= last; ++number) {
        if (printed > 0) printer.newPage();
        const PageDrawing page = PageTexts(setup.layout, number, setup.metrics, setup.widthOf, store, title,
                                           m_doc.GetSolverSetting());
        for (const PlacedText& text : page.texts)
            painter.drawText(text.x, text.y + ascent, Text(text.text));
        painter.drawLine(setup.metrics.left, page.ruleY, setup.metrics.right, page.ruleY);
        ++printed;
    }
    painter.end();
    return printed;
}

void CTavView::Print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, std::max(PageCount(printer), 1));
    if (dialog.exec() == QDialog::Accepted) PrintTo(printer);
}

void CTavView::PrintPreview() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle("Results Print Preview");
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { PrintTo(*target); });
    preview.exec();
}

} // namespace TavWorkbench::Ui
