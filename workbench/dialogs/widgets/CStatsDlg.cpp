#include "workbench/dialogs/widgets/CStatsDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/ui/TitleWidth.hpp"

#include <QHBoxLayout>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"statistics", "The statistics of the last or running solve: solver, settings, counts and times."},
    {"ok", "Closes the statistics window."},
};

} // namespace

CStatsDlg::CStatsDlg(QWidget* frame) : QDialog(frame) {
    setWindowTitle(QStringLiteral("Statistics"));
    TavWorkbench::Ui::KeepTitleVisible(*this);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("statistics"));
    m_text->setReadOnly(true);
    QPalette palette = m_text->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    m_text->setPalette(palette);
    layout->addWidget(m_text);
    auto* row = new QHBoxLayout();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    row->addStretch();
    row->addWidget(ok);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    resize(360, 300);
    TavHelp::ContextHelp::Set(this, "statistics", kFieldHelp);
}

void CStatsDlg::SetStatsText(const std::string& text) {
    m_text->setPlainText(ToQ(text, true));
}

QString CStatsDlg::Text() const {
    return m_text->toPlainText();
}

void CStatsDlg::done(int result) {
    emit closed();
    QDialog::done(result);
}

} // namespace TavDialogs
