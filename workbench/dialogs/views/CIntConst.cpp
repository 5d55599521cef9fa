#include "workbench/dialogs/views/CIntConst.hpp"

#include "workbench/dialogs/views/TextBytes.hpp"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace TavDialogs {

CIntConst::CIntConst(IntConstModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Integer Constant"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_id = AddEdit(form, QStringLiteral("ID"), QStringLiteral("id"));
    m_value = AddEdit(form, QStringLiteral("Integer Value"), QStringLiteral("value"));
    layout->addLayout(form);
    AddButtons(layout);
    if (m_model.IsReadOnly()) {
        m_id->setReadOnly(true);
        m_value->setReadOnly(true);
        ShowOnly();
    }
    Load();
}

void CIntConst::Load() {
    m_id->setText(ToQ(m_model.id));
    m_value->setText(ToQ(m_model.valueText));
}

void CIntConst::Save() {
    m_model.id = FromQ(m_id->text());
    m_model.valueText = FromQ(m_value->text());
}

QWidget* CIntConst::FocusAfterRefusal() {
    return m_model.GetFocus() == IntConstModel::Field::Value ? m_value : m_id;
}

} // namespace TavDialogs
