#include "workbench/ui/CPopupTip.hpp"

#include "workbench/ui/CHelpWnd.hpp"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace TavWorkbench::Ui {

CPopupTip::CPopupTip(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint), m_owner(owner), m_font(HelpFont()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

void CPopupTip::SetHighlight(bool highlight) {
    m_highlight = highlight;
    update();
}

int CPopupTip::PlaceX(int x, int width, int screenWidth) {
    if (x + width > screenWidth - kScreenMargin) x = screenWidth - width - kScreenMargin;
    return x;
}

bool CPopupTip::ShowAt(int x, int y, int shape) {
    const QFontMetrics metrics(m_font);
    const QSize size(metrics.horizontalAdvance(m_text + "0"), metrics.height() + 2);
    const QScreen* screen = QGuiApplication::screenAt(QPoint(x, y));
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const int screenWidth =
        screen != nullptr ? screen->geometry().right() + 1 : x + size.width() + kScreenMargin;
    m_shape = shape == RoundedRectangle ? RoundedRectangle : Rectangle;
    setGeometry(PlaceX(x, size.width(), screenWidth), y, size.width(), size.height());
    show();
    return isVisible();
}

void CPopupTip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_shape == RoundedRectangle);
    const QPalette& palette = QApplication::palette();
    painter.setBrush(m_highlight ? palette.color(QPalette::Highlight) : QColor(255, 255, 128));
    painter.setPen(Qt::black);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    if (m_shape == RoundedRectangle) {
        painter.drawRoundedRect(frame, 2.5, 5);
    } else {
        painter.drawRect(frame);
    }
    painter.setFont(m_font);
    painter.setPen(m_highlight ? palette.color(QPalette::HighlightedText) : QColor(Qt::black));
    painter.drawText(rect().adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     m_text);
}

void CPopupTip::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_owner != nullptr) {
        QMouseEvent forwarded(QEvent::MouseButtonPress, m_owner->mapFromGlobal(event->globalPosition()),
                              event->globalPosition(), event->button(), event->buttons(), event->modifiers());
        QApplication::sendEvent(m_owner, &forwarded);
    }
    QWidget::mousePressEvent(event);
}

void CPopupTip::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit OwnerDoubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace TavWorkbench::Ui
