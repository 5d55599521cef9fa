#include "help/ContextHelp.hpp"

#include "help/GuideWindow.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QVariant>
#include <QWhatsThis>
#include <QWidget>

namespace TavHelp {

namespace {

constexpr const char* kSectionProperty = "tavHelpSection";
constexpr const char* kUnknownProperty = "tavHelpUnknownFields";

} // namespace

void ContextHelp::Set(QWidget* widget, const char* section, std::span<const FieldLine> fields) {
    Install();
    widget->setProperty(kSectionProperty, QString::fromUtf8(section));
    QStringList unknown;
    for (const FieldLine& field : fields) {
        const QString name = QString::fromUtf8(field.field);
        QWidget* target = widget->objectName() == name ? widget : widget->findChild<QWidget*>(name);
        if (target == nullptr) {
            unknown.push_back(name);
            continue;
        }
        target->setWhatsThis(QString::fromUtf8(field.line));
    }
    widget->setProperty(kUnknownProperty, unknown);
}

QStringList ContextHelp::UnknownFields(const QWidget* widget) {
    return widget->property(kUnknownProperty).toStringList();
}

std::vector<std::string> ContextHelp::SectionsOf(const QWidget* widget) {
    std::vector<std::string> sections;
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        const QString section = w->property(kSectionProperty).toString();
        if (!section.isEmpty()) sections.push_back(section.toStdString());
    }
    return sections;
}

GuideWindow* ContextHelp::ShowFor(QWidget* widget) {
    const std::optional<std::string> anchor = GuideWindow::Guide().FirstKnown(SectionsOf(widget));
    return GuideWindow::Open(widget, anchor.value_or(std::string()));
}

void ContextHelp::EnterWhatsThisMode() {
    if (!QWhatsThis::inWhatsThisMode()) QWhatsThis::enterWhatsThisMode();
}

void ContextHelp::Install() {
    static QPointer<ContextHelp> installed;
    if (installed || QCoreApplication::instance() == nullptr) return;
    installed = new ContextHelp(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(installed);
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event) {
    // A key reaches the window first and then its focus widget: answer it at the widget.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || QWhatsThis::inWhatsThisMode()) return false;
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
        if (!key->isAutoRepeat()) ShowFor(static_cast<QWidget*>(watched));
    } else if (modifiers == Qt::ShiftModifier) {
        EnterWhatsThisMode();
    } else {
        return false;
    }
    key->accept();
    return true;
}

} // namespace TavHelp
