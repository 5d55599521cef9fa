#pragma once
// Dialog boxes as Qt shows them: modal message boxes over the dialog that runs (else over an owner
// window), with the application's name ("Tav") as caption unless one is given; refusals with an
// error icon, information with an information icon.

#include "workbench/dialogs/DialogMessages.hpp"

#include <QPointer>
#include <QWidget>

namespace TavDialogs {

class QtDialogMessages : public DialogMessages {
public:
    explicit QtDialogMessages(QWidget* owner = nullptr) : m_owner(owner) {}
    void SetOwner(QWidget* owner) { m_owner = owner; }

    void ShowBox(const std::string& text, const std::string& caption) override;
    void ShowInfo(const std::string& text, const std::string& caption) override;
    bool AskBox(const std::string& question, const std::string& caption) override;

private:
    QPointer<QWidget> m_owner;
};

} // namespace TavDialogs
