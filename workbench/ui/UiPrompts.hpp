#pragma once
// Everything the windows ask of the user outside a dialog of their own: message boxes and
// Yes/No questions (the document's messages), the save-changes question, and the file
// choosers. The real boxes are QtPrompts; tests answer in code.

#include "workbench/DocMessages.hpp"

#include <filesystem>
#include <optional>
#include <string>

namespace TavWorkbench::Ui {

class UiPrompts : public DocMessages {
public:
    enum class SaveAnswer { Save, Discard, Cancel };

    // "Save changes to NAME?" with Yes, No and Cancel.
    virtual SaveAnswer AskSaveChanges(const std::string& title) = 0;
    // A file to open, filtered by `filter` ("Tav Files (*.tav)"); nothing on Cancel.
    virtual std::optional<std::filesystem::path> ChooseOpenFile(const std::string& filter) = 0;
    // A file to write, starting at `suggested`, with `defaultSuffix` added when none is typed;
    // nothing on Cancel.
    virtual std::optional<std::filesystem::path> ChooseSaveFile(const std::string& filter,
                                                                const std::string& suggested,
                                                                const std::string& defaultSuffix) = 0;
};

} // namespace TavWorkbench::Ui
