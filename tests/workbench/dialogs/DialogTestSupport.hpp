#pragma once
// What the dialog model tests share: boxes and questions recorded with their captions, a host
// that runs each dialog by a script (cancelling the dialogs it has no script for), and a small
// problem to check identifiers against.

#include "workbench/dialogs/DialogHost.hpp"
#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/ProblemRefs.hpp"
#include "workbench/model/CAvConArray.hpp"
#include "workbench/model/CKeyWords.hpp"
#include "workbench/model/TavModel.hpp"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <vector>

struct Box {
    Box(std::string shownText = {}, std::string shownCaption = {}, bool asked = false, bool informs = false)
        : text(std::move(shownText)), caption(std::move(shownCaption)), question(asked), info(informs) {}
    std::string text;
    std::string caption;
    bool question = false;
    // Shown as information rather than as a refusal.
    bool info = false;
    bool operator==(const Box&) const = default;
};

class RecordingDialogMessages : public TavDialogs::DialogMessages {
public:
    void ShowBox(const std::string& text, const std::string& caption) override {
        boxes.push_back({text, caption});
    }
    void ShowInfo(const std::string& text, const std::string& caption) override {
        boxes.push_back({text, caption, false, true});
    }
    bool AskBox(const std::string& question, const std::string& caption) override {
        boxes.push_back({question, caption, true});
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // The texts of every box and question, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Box& box : boxes)
            texts.push_back(box.text);
        return texts;
    }
    // The only box shown, or an empty box when there were none or several.
    Box Only() const {
        return boxes.size() == 1 ? boxes.front()
                                 : Box{"<" + std::to_string(boxes.size()) + " boxes>", "", false};
    }

    std::vector<Box> boxes;
    // Answers to the next questions; Yes when none is left.
    std::deque<bool> answers;
};

// Runs each dialog by the next script queued for its model type: the script fills the model
// and returns whether it ends with OK. A model type without a script is cancelled.
class ScriptedHost : public TavDialogs::DialogHost {
public:
    template <class Model> void Script(std::function<bool(Model&)> script) {
        m_scripts[std::type_index(typeid(Model*))].push_back(
            [script = std::move(script)](void* model) { return script(*static_cast<Model*>(model)); });
    }
    // Dialog types run, in order.
    std::vector<std::string> ran;

#define SCRIPTED_RUN(Model)                                                                                  \
    bool Run(TavDialogs::Model& model) override {                                                            \
        return RunScript(typeid(TavDialogs::Model*), #Model, &model);                                        \
    }
    SCRIPTED_RUN(TypeSelDlgModel)
    SCRIPTED_RUN(NumDlgModel)
    SCRIPTED_RUN(EnumDlgModel)
    SCRIPTED_RUN(FloatDomModel)
    SCRIPTED_RUN(SetDlgModel)
    SCRIPTED_RUN(RangeDlgModel)
    SCRIPTED_RUN(NewVarDlgModel)
    SCRIPTED_RUN(CopyVarDlgModel)
    SCRIPTED_RUN(SelConstDlgModel)
    SCRIPTED_RUN(VarDetailsDlgModel)
    SCRIPTED_RUN(SeeAllDlgModel)
    SCRIPTED_RUN(ConstantsDlgModel)
    SCRIPTED_RUN(IntConstModel)
    SCRIPTED_RUN(ConstDlgModel)
    SCRIPTED_RUN(StringConstDlgModel)
    SCRIPTED_RUN(ExpDlgModel)
    SCRIPTED_RUN(FCDialogModel)
    SCRIPTED_RUN(GLSDialogModel)
    SCRIPTED_RUN(GADialogModel)
    SCRIPTED_RUN(TabuDlgModel)
    SCRIPTED_RUN(ExpertDlgModel)
    SCRIPTED_RUN(ExSolDlgModel)
    SCRIPTED_RUN(TimeDlgModel)
    SCRIPTED_RUN(CountDlgModel)
#undef SCRIPTED_RUN

private:
    bool RunScript(std::type_index type, const char* name, void* model) {
        ran.emplace_back(name);
        auto& queue = m_scripts[type];
        if (queue.empty()) return false;
        auto script = std::move(queue.front());
        queue.pop_front();
        return script(model);
    }

    std::unordered_map<std::type_index, std::deque<std::function<bool(void*)>>> m_scripts;
};

// A script that fills its dialog and presses OK as the user would: the model's own checks decide,
// and a refusal fails the test.
template <class Model> std::function<bool(Model&)> Accept(std::function<void(Model&)> fill) {
    return [fill = std::move(fill)](Model& model) {
        fill(model);
        RecordingDialogMessages quiet;
        const bool accepted = model.OnOK(quiet);
        EXPECT_TRUE(accepted) << (quiet.boxes.empty() ? std::string() : quiet.boxes.front().text);
        return accepted;
    };
}

// A small problem: domains TrueFalse (Boolean, predefined), Digits (integer 0..9) and Colour
// (enumerated); constants N = 4 and S = {1,2}; variables q (array of N over Digits) and flag
// (Boolean); the constraint c1 on q.
struct ProblemFixture {
    TavWorkbench::TavModel model;
    TavWorkbench::CKeyWords keyWords;
    TavWorkbench::CAvConArray templates;
    TavDialogs::ProblemRefs refs = TavDialogs::ProblemRefs::Of(model, keyWords);

    ProblemFixture() {
        model.domains.AddBoolDomain("TrueFalse");
        model.domains.AddIntDomain("Digits", "", "", "", 0, 9, {}, 0, 0);
        model.domains.AddEnumDomain("Colour", {"red", "green"});
        model.constants.Add(std::make_unique<TavWorkbench::CConstant>("N", 4));
        model.constants.Add(
            std::make_unique<TavWorkbench::CConstant>("S", "1,2", TavWorkbench::CConstant::Type::Set));
        model.variables.AddVariable("q", TavWorkbench::CVariable::Type::IntVar, "Digits", 1, "N", {});
        model.variables.AddVariable("flag", TavWorkbench::CVariable::Type::BoolVar, "TrueFalse", 0, "", {});
        auto constraint = std::make_unique<TavWorkbench::CConstraint>("c1", "AllDifferent(q);");
        constraint->SetReferencedIDs({"q"});
        model.constraints.Add(std::move(constraint));
    }
};
