#pragma once
// How a dialog reaches the user: boxes with an OK button and Yes/No questions, each with a
// caption (empty: the application's name). The windows show real boxes; tests record them and
// answer the questions in code. A DocMessages too, so the identifier checks report through it.

#include "workbench/DocMessages.hpp"

#include <string>

namespace TavDialogs {

class DialogMessages : public TavWorkbench::DocMessages {
public:
    // A box with an OK button that refuses or reports a fault (an error icon).
    virtual void ShowBox(const std::string& text, const std::string& caption) = 0;
    // A box with an OK button that only informs ("Constraint OK"; an information icon).
    virtual void ShowInfo(const std::string& text, const std::string& caption) { ShowBox(text, caption); }
    // A Yes/No question; true for Yes.
    virtual bool AskBox(const std::string& question, const std::string& caption) = 0;

    void Show(const std::string& text) override { ShowBox(text, {}); }
    bool Ask(const std::string& question) override { return AskBox(question, {}); }
};

} // namespace TavDialogs
