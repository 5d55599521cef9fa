#include "workbench/ui/CAboutDlg.hpp"

#include "help/ContextHelp.hpp"
#include "platform/Version.hpp"
#include "workbench/ui/AppIcon.hpp"
#include "workbench/ui/TitleWidth.hpp"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavWorkbench::Ui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About Tav");
    KeepTitleVisible(*this);
    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(64, 64));
    auto* text =
        new QLabel(QStringLiteral("<b>Tav Version %1</b><br><br>"
                                  "A workbench for constraint satisfaction and optimisation problems:<br>"
                                  "complete search, guided local search, tabu search, a genetic "
                                  "algorithm,<br>the simplex for linear problems and external solvers.")
                       .arg(QString::fromLatin1(Platform::kVersion)),
                   this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    static constexpr TavHelp::FieldLine kFieldHelp[] = {{"ok", "Closes the box."}};
    TavHelp::ContextHelp::Set(this, "menu-help", kFieldHelp);
}

} // namespace TavWorkbench::Ui
