#include "workbench/dialogs/widgets/QtDialogMessages.hpp"

#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QApplication>
#include <QMessageBox>

namespace TavDialogs {

namespace {

QString Caption(const std::string& caption) {
    return caption.empty() ? QStringLiteral("Tav") : ToQ(caption);
}

// A box about a dialog's field stands over that dialog (the modal one running), so that it is seen
// beside the field and F1 in it finds the dialog's help.
QWidget* Owner(QWidget* owner) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : owner;
}

} // namespace

void QtDialogMessages::ShowBox(const std::string& text, const std::string& caption) {
    QMessageBox::critical(Owner(m_owner), Caption(caption), ToQ(text));
}

void QtDialogMessages::ShowInfo(const std::string& text, const std::string& caption) {
    QMessageBox::information(Owner(m_owner), Caption(caption), ToQ(text));
}

bool QtDialogMessages::AskBox(const std::string& question, const std::string& caption) {
    return QMessageBox::question(Owner(m_owner), Caption(caption), ToQ(question),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace TavDialogs
