#include "workbench/dialogs/widgets/CWarningDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/NumberFields.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/ui/TitleWidth.hpp"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"sourcesTotal", "The total of the sources (or the number of candidates)."},
    {"destinationsTotal", "The total of the destinations (or the number of posts)."},
    {"change", "Goes back to change the figures."},
    {"automatic", "Balances the totals with a dummy source or destination that costs nothing."},
};

} // namespace

CWarningDlg::CWarningDlg(WarningDlgModel& model, QtWizardHost& host, QWidget* parent) : QDialog(parent) {
    (void)host;
    setWindowTitle(QString::fromLatin1(WarningDlgModel::kTitle));
    TavWorkbench::Ui::KeepTitleVisible(*this);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    const auto total = [&](const std::string& label, double value, const char* name) {
        auto* edit = new QLineEdit(ToQ(DoubleText(value)), this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setReadOnly(true);
        form->addRow(ToQ(label), edit);
    };
    total(model.SourcesLabel(), model.SourcesTotal(), "sourcesTotal");
    total(model.DestinationsLabel(), model.DestinationsTotal(), "destinationsTotal");
    layout->addLayout(form);
    auto* row = new QHBoxLayout();
    auto* change = new QPushButton(QStringLiteral("Change"), this);
    change->setObjectName(QStringLiteral("change"));
    auto* automatic = new QPushButton(QStringLiteral("Automatic"), this);
    automatic->setObjectName(QStringLiteral("automatic"));
    row->addWidget(change);
    row->addWidget(automatic);
    layout->addLayout(row);
    connect(change, &QPushButton::clicked, this, &QDialog::accept);
    connect(automatic, &QPushButton::clicked, this, &QDialog::reject);
    TavHelp::ContextHelp::Set(this, "transport-balance", kFieldHelp);
}

} // namespace TavDialogs
