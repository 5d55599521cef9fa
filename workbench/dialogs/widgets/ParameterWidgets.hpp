#pragma once
// The widgets the parameter dialogs share: radio groups that may show no choice, and check
// boxes in a form.

#include <QString>
#include <QStringList>

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QFormLayout;
class QWidget;

namespace TavDialogs {

// A titled group of radio buttons named `name`0, `name`1, ...; button i has id i.
QButtonGroup* RadioGroup(QWidget* parent, QBoxLayout* layout, const QString& title, const QString& name,
                         const QStringList& captions);
// A check box named `name` on its own row.
QCheckBox* AddCheckBox(QWidget* parent, QFormLayout* form, const QString& caption, const QString& name);
// Checks button `value`; a value no button has leaves none checked.
void SetRadio(QButtonGroup* group, int value);

} // namespace TavDialogs
