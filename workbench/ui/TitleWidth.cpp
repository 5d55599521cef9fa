#include "workbench/ui/TitleWidth.hpp"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QWidget>

namespace TavWorkbench::Ui {

namespace {

// The title bar's icon, its minimise, maximise and close buttons and the gaps between them.
constexpr int kTitleBarFurniture = 140;

// Widens its window as it is shown, after its layout has sized it and before it is mapped.
class TitleFitter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* window = static_cast<QWidget*>(watched);
            const int needed = TitleWidth(*window);
            if (window->width() < needed) window->resize(needed, window->height());
        }
        return false;
    }
};

} // namespace

int TitleWidth(const QWidget& window) {
    QFont bold = window.font();
    bold.setBold(true);
    // Qt adds the application's display name to a title that does not end with it.
    QString shown = window.windowTitle();
    const QString application = QGuiApplication::applicationDisplayName();
    if (!application.isEmpty() && !shown.endsWith(application))
        shown += QStringLiteral(" \u2014 ") + application;
    return QFontMetrics(bold).horizontalAdvance(shown) + kTitleBarFurniture;
}

void KeepTitleVisible(QWidget& window) {
    window.installEventFilter(new TitleFitter(&window));
}

} // namespace TavWorkbench::Ui
