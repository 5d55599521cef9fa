#pragma once
// How the document reaches the user: message boxes with an OK button and Yes/No questions.
// The windows show real boxes; tests and command-line programs answer them in code.

#include <string>

namespace TavWorkbench {

class DocMessages {
public:
    virtual ~DocMessages() = default;
    // A box with an OK button ("No Solution found", ...).
    virtual void Show(const std::string& text) = 0;
    // A box with an OK button that reports a failure ("Parser Failed", a file that cannot be
    // read): the windows give it an error icon.
    virtual void ShowError(const std::string& text) { Show(text); }
    // A Yes/No question ("Stop Solving"); true for Yes.
    virtual bool Ask(const std::string& question) = 0;
};

// Boxes go to the platform's message sink (standard error unless a host installed another);
// every question is answered Yes.
class DefaultDocMessages : public DocMessages {
public:
    void Show(const std::string& text) override;
    bool Ask(const std::string& question) override;
};

} // namespace TavWorkbench
