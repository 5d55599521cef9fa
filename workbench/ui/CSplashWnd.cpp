#include "workbench/ui/CSplashWnd.hpp"

#include "workbench/ui/AppIcon.hpp"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace TavWorkbench::Ui {

namespace {

bool g_enabled = true;
QPointer<CSplashWnd> g_shown;

// Sees every event of the application while a splash window shows.
class SplashFilter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override { return CSplashWnd::PreTranslateAppMessage(event); }
};

SplashFilter* g_filter = nullptr;

} // namespace

void CSplashWnd::EnableSplashScreen(bool enable) {
    g_enabled = enable;
}

CSplashWnd* CSplashWnd::Current() {
    return g_shown.data();
}

void CSplashWnd::ShowSplashScreen(QWidget* parent) {
    if (!g_enabled || g_shown) return;
    auto* splash = new CSplashWnd(parent);
    g_shown = splash;
    if (g_filter == nullptr) {
        g_filter = new SplashFilter;
        qApp->installEventFilter(g_filter);
    }
    splash->show();
    splash->raise();
    QTimer::singleShot(kShowTime, splash, [] { HideSplashScreen(); });
}

bool CSplashWnd::PreTranslateAppMessage(QEvent* event) {
    if (!g_shown) return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        HideSplashScreen();
        return true;
    default:
        return false;
    }
}

void CSplashWnd::HideSplashScreen() {
    if (!g_shown) return;
    CSplashWnd* splash = g_shown;
    g_shown = nullptr;
    splash->hide();
    splash->deleteLater();
    if (QWidget* owner = splash->parentWidget()) owner->update();
}

CSplashWnd::CSplashWnd(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(SplashPicture()) {
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::ArrowCursor);
    resize(m_picture.size());
    const QScreen* screen = parent != nullptr && parent->screen() != nullptr
                                ? parent->screen()
                                : QGuiApplication::primaryScreen();
    if (screen != nullptr) move(screen->geometry().center() - rect().center());
}

CSplashWnd::~CSplashWnd() {
    if (g_shown == this) g_shown = nullptr;
    if (!g_shown && g_filter != nullptr) {
        qApp->removeEventFilter(g_filter);
        delete g_filter;
        g_filter = nullptr;
    }
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

} // namespace TavWorkbench::Ui
