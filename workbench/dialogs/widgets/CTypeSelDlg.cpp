#include "workbench/dialogs/widgets/CTypeSelDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"dataType", "The kind of domain to create: Integer (a range or list of whole numbers) or Set (sets of "
                 "whole numbers)."},
};

} // namespace

CTypeSelDlg::CTypeSelDlg(TypeSelDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Select Domain Data Type"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("dataType"));
    for (const std::string& entry : TypeSelDlgModel::Entries())
        m_type->addItem(ToQ(entry));
    form->addRow(QStringLiteral("Data Type"), m_type);
    layout->addLayout(form);
    AddButtons(layout);
    if (m_model.readOnly) ShowOnly(false);
    Load();
    TavHelp::ContextHelp::Set(this, "type-select", kFieldHelp);
}

void CTypeSelDlg::Load() {
    m_type->setCurrentIndex(m_model.selection);
}

void CTypeSelDlg::Save() {
    m_model.selection = m_type->currentIndex();
}

QWidget* CTypeSelDlg::FocusAfterRefusal() {
    return m_type;
}

} // namespace TavDialogs
