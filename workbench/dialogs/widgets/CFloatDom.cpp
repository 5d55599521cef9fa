#include "workbench/dialogs/widgets/CFloatDom.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/ui/CFloaterEdit.hpp"
#include "workbench/ui/CNameEdit.hpp"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"id", "The domain's name: starts with a letter; letters, digits and underscores only."},
    {"min", "The smallest real value variables of this domain may take."},
    {"max", "The largest real value variables of this domain may take."},
};

} // namespace

CFloatDom::CFloatDom(FloatDomModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Float Domain"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_id = AddEditOf<TavWorkbench::Ui::CNameEdit>(form, QStringLiteral("ID"), QStringLiteral("id"));
    m_min = AddEditOf<TavWorkbench::Ui::CFloaterEdit>(form, QStringLiteral("Min"), QStringLiteral("min"));
    m_max = AddEditOf<TavWorkbench::Ui::CFloaterEdit>(form, QStringLiteral("Max"), QStringLiteral("max"));
    layout->addLayout(form);
    AddButtons(layout);
    if (m_model.IsReadOnly()) {
        for (QLineEdit* edit : {m_id, m_min, m_max})
            edit->setReadOnly(true);
        ShowOnly();
    }
    Load();
    TavHelp::ContextHelp::Set(this, "float-domain", kFieldHelp);
}

void CFloatDom::Load() {
    m_id->setText(ToQ(m_model.id));
    m_min->setText(ToQ(m_model.minText));
    m_max->setText(ToQ(m_model.maxText));
}

void CFloatDom::Save() {
    m_model.id = FromQ(m_id->text());
    m_model.minText = FromQ(m_min->text());
    m_model.maxText = FromQ(m_max->text());
}

QWidget* CFloatDom::FocusAfterRefusal() {
    switch (m_model.GetFocus()) {
    case FloatDomModel::Field::Min:
        return m_min;
    case FloatDomModel::Field::Max:
        return m_max;
    default:
        return m_id;
    }
}

} // namespace TavDialogs
