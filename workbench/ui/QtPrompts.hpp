#pragma once
// The user's boxes and file choosers as Qt shows them, owned by a window. Safe to call from
// the user-interface thread only; boxes from another thread go to standard error.

#include "workbench/ui/UiPrompts.hpp"

#include <QPointer>
#include <QWidget>

namespace TavWorkbench::Ui {

class QtPrompts : public UiPrompts {
public:
    // The boxes' owner; may be set later (null: no owner).
    void SetOwner(QWidget* owner) { m_owner = owner; }

    void Show(const std::string& text) override;
    void ShowError(const std::string& text) override;
    bool Ask(const std::string& question) override;
    SaveAnswer AskSaveChanges(const std::string& title) override;
    std::optional<std::filesystem::path> ChooseOpenFile(const std::string& filter) override;
    std::optional<std::filesystem::path> ChooseSaveFile(const std::string& filter,
                                                        const std::string& suggested,
                                                        const std::string& defaultSuffix) override;

private:
    QPointer<QWidget> m_owner;
};

} // namespace TavWorkbench::Ui
