#pragma once
// The help keys of every window of the program. A window, a dialog or a part of one names its
// section of the user's guide once (Set); F1 opens the guide at the section of the widget that
// has the focus, or of the nearest window around it that names one, and at the guide's start
// when none does; Shift+F1 enters What's This mode, where each field answers with its own line.

#include "help/FieldLine.hpp"

#include <QObject>
#include <QStringList>

#include <span>
#include <string>
#include <vector>

class QWidget;

namespace TavHelp {

class GuideWindow;

class ContextHelp : public QObject {
    Q_OBJECT
public:
    // Names `widget`'s section of the guide and gives each of its fields (found by object name,
    // at any depth) its What's This line; installs the help keys for the whole application.
    static void Set(QWidget* widget, const char* section, std::span<const FieldLine> fields = {});
    // The fields of the last Set on `widget` that it does not hold.
    static QStringList UnknownFields(const QWidget* widget);
    // The sections named by `widget` and the widgets and windows around it, innermost first.
    static std::vector<std::string> SectionsOf(const QWidget* widget);
    // F1 in `widget`: the guide at the first of its sections the guide holds.
    static GuideWindow* ShowFor(QWidget* widget);
    // Shift+F1 and the Help menu's "What's This?".
    static void EnterWhatsThisMode();
    // Installs F1 and Shift+F1 for every window of the application (once).
    static void Install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace TavHelp
