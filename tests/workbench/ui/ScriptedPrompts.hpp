#pragma once
// The user's side of the windows' boxes, answered in code: boxes and questions are recorded,
// questions answered from a queue (Yes when it is empty), the file choosers return what the
// test put in. A hook may run while a question is "open", as a real box's event loop would.

#include "workbench/ui/UiPrompts.hpp"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class ScriptedPrompts : public TavWorkbench::Ui::UiPrompts {
public:
    void Show(const std::string& text) override { shown.push_back(text); }
    void ShowError(const std::string& text) override {
        shown.push_back(text);
        errors.push_back(text);
    }
    bool Ask(const std::string& question) override {
        asked.push_back(question);
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        if (whileAsking) whileAsking(question);
        --depth;
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    SaveAnswer AskSaveChanges(const std::string& title) override {
        asked.push_back("Save changes to " + title + "?");
        return saveAnswer;
    }
    std::optional<std::filesystem::path> ChooseOpenFile(const std::string&) override { return openFile; }
    std::optional<std::filesystem::path> ChooseSaveFile(const std::string& filter, const std::string&,
                                                        const std::string&) override {
        filters.push_back(filter);
        return saveFile;
    }

    std::vector<std::string> shown;
    // The boxes of `shown` that report a failure.
    std::vector<std::string> errors;
    std::vector<std::string> asked;
    std::vector<std::string> filters;
    std::deque<bool> answers;
    std::function<void(const std::string&)> whileAsking;
    int depth = 0;
    int maxDepth = 0;
    SaveAnswer saveAnswer = SaveAnswer::Discard;
    std::optional<std::filesystem::path> openFile;
    std::optional<std::filesystem::path> saveFile;
};
