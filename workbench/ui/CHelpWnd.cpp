#include "workbench/ui/CHelpWnd.hpp"

#include <QFontMetrics>
#include <QPainter>

namespace TavWorkbench::Ui {

QFont HelpFont() {
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(14);
    font.setWeight(QFont::Normal);
    return font;
}

CHelpWnd::CHelpWnd(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint), m_font(HelpFont()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

QRect CHelpWnd::LayoutFor(const QString& text, const QFont& font, int x, int y) {
    const QFontMetrics metrics(font);
    const QRect fitted = metrics.boundingRect(QRect(x, y, kWidth, kMinHeight), Qt::TextWordWrap, text);
    return QRect(x, y, std::max(kWidth, fitted.width()), std::max(kMinHeight, fitted.height()));
}

bool CHelpWnd::ShowAt(int x, int y) {
    setGeometry(LayoutFor(m_text, m_font, x, y));
    show();
    return isVisible();
}

void CHelpWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setBrush(QColor(255, 255, 128));
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(m_font);
    painter.drawText(rect(), Qt::TextWordWrap, m_text);
}

} // namespace TavWorkbench::Ui
