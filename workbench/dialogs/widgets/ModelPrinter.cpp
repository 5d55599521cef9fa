#include "workbench/dialogs/widgets/ModelPrinter.hpp"

#include "workbench/dialogs/printing/ModelListing.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <cmath>

namespace TavDialogs {

int ModelPrinter::PrintListing(QPrinter& printer, const std::vector<std::string>& lines) {
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double lineHeight = metrics.height() + metrics.leading();
    const QRectF page = painter.viewport();
    const ListingPages pages(static_cast<int>(lines.size()),
                             ListingPages::LinesPerPage(page.height(), lineHeight));
    const double tab = 4 * metrics.averageCharWidth();
    for (int p = 1; p <= pages.PageCount(); ++p) {
        if (p > 1) printer.newPage();
        double y = metrics.ascent();
        for (int i = pages.FirstLine(p); i < pages.EndLine(p); ++i) {
            // Each tab moves on to the next tab stop.
            const QStringList pieces = ToQ(lines[static_cast<std::size_t>(i)]).split(QLatin1Char('\t'));
            double x = 0;
            for (qsizetype k = 0; k < pieces.size(); ++k) {
                if (k > 0) x = (std::floor(x / tab + 1e-9) + 1) * tab;
                painter.drawText(QPointF(x, y), pieces[k]);
                x += metrics.horizontalAdvance(pieces[k]);
            }
            y += metrics.height();
        }
    }
    painter.end();
    return pages.PageCount();
}

void ModelPrinter::Print(QWidget* parent, const TavWorkbench::TavModel& model, const std::string& title) {
    QPrinter printer;
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintListing(printer, ModelListing(model, title));
}

void ModelPrinter::Preview(QWidget* parent, const TavWorkbench::TavModel& model, const std::string& title) {
    const std::vector<std::string> lines = ModelListing(model, title);
    QPrintPreviewDialog preview(parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&lines](QPrinter* printer) { PrintListing(*printer, lines); });
    preview.exec();
}

} // namespace TavDialogs
