#include "workbench/dialogs/widgets/CCopyVarDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"source", "The variable that is copied."},
    {"newID", "The name of the copy: a name no other variable has."},
};

} // namespace

CCopyVarDlg::CCopyVarDlg(CopyVarDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Copy Variable"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_source = AddEdit(form, QStringLiteral("Make copy of "), QStringLiteral("source"), true);
    m_newID = AddEdit(form, QStringLiteral("New ID"), QStringLiteral("newID"));
    layout->addLayout(form);
    AddButtons(layout);
    Load();
    TavHelp::ContextHelp::Set(this, "copy-variable", kFieldHelp);
}

void CCopyVarDlg::Load() {
    m_source->setText(ToQ(m_model.sourceID));
    m_newID->setText(ToQ(m_model.newID));
}

void CCopyVarDlg::Save() {
    m_model.newID = FromQ(m_newID->text());
}

QWidget* CCopyVarDlg::FocusAfterRefusal() {
    return m_newID;
}

} // namespace TavDialogs
