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
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() != Qt::Key_F1 || (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier) ||
        QWhatsThis::inWhatsThisMode())
        return false;
    // The keys may show beside menu entries as their shortcuts; taking them before any shortcut
    // does makes F1 open the section of where the user is, in a dialog or an open menu too.
    if (event->type() == QEvent::ShortcutOverride) {
        key->accept();
        return true;
    }
    // A key reaches the window first and then its focus widget: answer it at the widget.
    if (!watched->isWidgetType()) return false;
    if (modifiers == Qt::ShiftModifier)
        EnterWhatsThisMode();
    else if (!key->isAutoRepeat())
        ShowFor(static_cast<QWidget*>(watched));
    key->accept();
    return true;
}

} // namespace TavHelp
