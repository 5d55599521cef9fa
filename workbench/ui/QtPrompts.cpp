#include "workbench/ui/QtPrompts.hpp"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QThread>

#include <iostream>

namespace TavWorkbench::Ui {

namespace {

bool OnGuiThread() {
    return QCoreApplication::instance() != nullptr &&
           QThread::currentThread() == QCoreApplication::instance()->thread();
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

void QtPrompts::Show(const std::string& text) {
    if (!OnGuiThread()) {
        std::cerr << text << '\n';
        return;
    }
    QMessageBox::information(m_owner, QApplication::applicationDisplayName(), Text(text));
}

void QtPrompts::ShowError(const std::string& text) {
    if (!OnGuiThread()) {
        std::cerr << text << '\n';
        return;
    }
    QMessageBox::critical(m_owner, QApplication::applicationDisplayName(), Text(text));
}

bool QtPrompts::Ask(const std::string& question) {
    if (!OnGuiThread()) return true;
    return QMessageBox::question(m_owner, QApplication::applicationDisplayName(), Text(question),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

UiPrompts::SaveAnswer QtPrompts::AskSaveChanges(const std::string& title) {
    const auto answer = QMessageBox::question(
        m_owner, QApplication::applicationDisplayName(), Text("Save changes to " + title + "?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) return SaveAnswer::Save;
    if (answer == QMessageBox::No) return SaveAnswer::Discard;
    return SaveAnswer::Cancel;
}

std::optional<std::filesystem::path> QtPrompts::ChooseOpenFile(const std::string& filter) {
    const QString name = QFileDialog::getOpenFileName(m_owner, QString(), QString(), Text(filter));
    if (name.isEmpty()) return std::nullopt;
    return std::filesystem::path(name.toStdString());
}

std::optional<std::filesystem::path> QtPrompts::ChooseSaveFile(const std::string& filter,
                                                               const std::string& suggested,
                                                               const std::string& defaultSuffix) {
    QFileDialog dialog(m_owner, QString(), QString(), Text(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setDefaultSuffix(Text(defaultSuffix));
    dialog.selectFile(Text(suggested));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

} // namespace TavWorkbench::Ui
