#include "workbench/dialogs/widgets/ParameterWidgets.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace TavDialogs {

QButtonGroup* RadioGroup(QWidget* parent, QBoxLayout* layout, const QString& title, const QString& name,
                         const QStringList& captions) {
    auto* box = new QGroupBox(title, parent);
    auto* column = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < captions.size(); ++i) {
        auto* radio = new QRadioButton(captions[i], box);
        radio->setObjectName(name + QString::number(i));
        group->addButton(radio, i);
        column->addWidget(radio);
    }
    layout->addWidget(box);
    return group;
}

QCheckBox* AddCheckBox(QWidget* parent, QFormLayout* form, const QString& caption, const QString& name) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    form->addRow(box);
    return box;
}

void SetRadio(QButtonGroup* group, int value) {
    if (QAbstractButton* button = group->button(value)) {
        button->setChecked(true);
        return;
    }
    // No button of the group is chosen.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

} // namespace TavDialogs
