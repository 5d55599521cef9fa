#include "workbench/dialogs/views/GADialog.hpp"

#include "workbench/dialogs/views/ParameterWidgets.hpp"
#include "workbench/dialogs/views/TextBytes.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace TavDialogs {

GADialog::GADialog(GADialogModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("GA Parameter Settings"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    for (int i = 0; i < GADialogModel::kFieldCount; ++i)
        m_fields[static_cast<std::size_t>(i)] =
            AddEdit(form, QString::fromLatin1(GADialogModel::Fields()[static_cast<std::size_t>(i)].label),
                    QStringLiteral("field%1").arg(i + 1));
    layout->addLayout(form);
    AddButtons(layout);
    Load();
}

void GADialog::Load() {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(ToQ(m_model.texts[i]));
}

void GADialog::Save() {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_model.texts[i] = FromQ(m_fields[i]->text());
}

QWidget* GADialog::FocusAfterRefusal() {
    const int field = m_model.GetFocus();
    return field >= 0 && field < GADialogModel::kFieldCount ? m_fields[static_cast<std::size_t>(field)]
                                                            : nullptr;
}

} // namespace TavDialogs
