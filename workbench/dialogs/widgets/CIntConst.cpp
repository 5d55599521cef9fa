#include "workbench/dialogs/widgets/CIntConst.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/ui/CMyEdit.hpp"
#include "workbench/ui/CNameEdit.hpp"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"id", "The constant's name: starts with a letter; letters, digits and underscores only."},
    {"value", "The constant's whole-number value."},
};

} // namespace

CIntConst::CIntConst(IntConstModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Integer Constant"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_id = AddEditOf<TavWorkbench::Ui::CNameEdit>(form, QStringLiteral("ID"), QStringLiteral("id"));
    m_value =
        AddEditOf<TavWorkbench::Ui::CMyEdit>(form, QStringLiteral("Integer Value"), QStringLiteral("value"));
    layout->addLayout(form);
    AddButtons(layout);
    if (m_model.IsReadOnly()) {
        m_id->setReadOnly(true);
        m_value->setReadOnly(true);
        ShowOnly();
    }
    Load();
    TavHelp::ContextHelp::Set(this, "integer-constant", kFieldHelp);
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
