#include "workbench/ui/AppIcon.hpp"

#include <QLinearGradient>
#include <QPainter>

namespace TavWorkbench::Ui {

namespace {

// A 4 x 4 board with one queen per row and column, the mark of the program.
void DrawBoard(QPainter& painter, const QRectF& area) {
    const int n = 4;
    const int queens[n] = {1, 3, 0, 2};
    const double cell = std::min(area.width(), area.height()) / n;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const QRectF square(area.left() + c * cell, area.top() + r * cell, cell, cell);
            painter.fillRect(square, (r + c) % 2 == 0 ? QColor(236, 232, 214) : QColor(64, 96, 140));
            if (queens[r] == c) {
                painter.setBrush(QColor(210, 60, 40));
                painter.setPen(Qt::NoPen);
                painter.drawEllipse(square.adjusted(cell * 0.2, cell * 0.2, -cell * 0.2, -cell * 0.2));
            }
        }
    }
}

} // namespace

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawBoard(painter, QRectF(0, 0, size, size));
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap SplashPicture(int width, int height) {
    QPixmap pixmap(width, height);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, height);
    background.setColorAt(0, QColor(40, 64, 100));
    background.setColorAt(1, QColor(16, 28, 48));
    painter.fillRect(pixmap.rect(), background);
    const double board = height * 0.6;
    DrawBoard(painter, QRectF(height * 0.2, height * 0.2, board, board));
    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setPointSize(40);
    title.setBold(true);
    painter.setFont(title);
    const QRectF text(height * 0.3 + board, height * 0.2, width - board - height * 0.4, board * 0.6);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, "Tav");
    QFont subtitle = painter.font();
    subtitle.setPointSize(10);
    subtitle.setBold(false);
    painter.setFont(subtitle);
    painter.drawText(QRectF(text.left(), text.bottom(), text.width(), board * 0.4),
                     Qt::AlignLeft | Qt::TextWordWrap, "Constraint satisfaction and optimisation workbench");
    return pixmap;
}

} // namespace TavWorkbench::Ui
