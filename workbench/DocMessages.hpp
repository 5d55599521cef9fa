#pragma once
// How the document reaches the user: message boxes with an OK button and Yes/No questions.
// The windows show real boxes; tests and command-line programs answer them in code.

#include <string>

namespace TavWorkbench {

class DocMessages {
public:
    virtual ~DocMessages() = default;
    // A box with an OK button ("Parser Failed", "No Solution found", ...).
    virtual void Show(const std::string& text) = 0;
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
