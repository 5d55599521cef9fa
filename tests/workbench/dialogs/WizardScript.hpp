#pragma once
// A WizardHost whose dialogs are answered in code: each Run calls the handler registered for
// the dialog's model type (Cancel when there is none) and records the dialog's order. Boxes and
// questions are recorded; questions take queued answers (Yes when none is queued).

#include "workbench/dialogs/WizardHost.hpp"
#include "workbench/dialogs/lp/LPConsDlgModel.hpp"
#include "workbench/dialogs/lp/LPStartDlgModel.hpp"
#include "workbench/dialogs/lp/LPWizDLGModel.hpp"
#include "workbench/dialogs/lp/OptimDlgModel.hpp"
#include "workbench/dialogs/templates/GridDlgModel.hpp"
#include "workbench/dialogs/templates/QueenDlgModel.hpp"
#include "workbench/dialogs/templates/ShedDlgModel.hpp"
#include "workbench/dialogs/templates/TSPOptionsDlgModel.hpp"
#include "workbench/dialogs/templates/TemplateDlgModel.hpp"
#include "workbench/dialogs/transport/BothQuantDlgModel.hpp"
#include "workbench/dialogs/transport/CostsDlgModel.hpp"
#include "workbench/dialogs/transport/TransNumDlgModel.hpp"
#include "workbench/dialogs/transport/WarningDlgModel.hpp"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class WizardMessages : public TavDialogs::DialogMessages {
public:
    void ShowBox(const std::string& text, const std::string& caption) override {
        (void)caption;
        shown.push_back(text);
    }
    bool AskBox(const std::string& question, const std::string& caption) override {
        (void)caption;
        asked.push_back(question);
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string Last() const { return shown.empty() ? std::string() : shown.back(); }

    std::vector<std::string> shown;
    std::vector<std::string> asked;
    std::deque<bool> answers;
};

class WizardScript : public TavDialogs::WizardHost {
public:
    template <class M> using Handler = std::function<TavDialogs::DialogEnd(M&)>;

    TavDialogs::DialogMessages& Messages() override { return messages; }

    TavDialogs::DialogEnd Run(TavDialogs::TemplateDlgModel& m) override {
        return Call(onTemplate, m, "Template");
    }
    TavDialogs::DialogEnd Run(TavDialogs::QueenDlgModel& m) override { return Call(onQueen, m, "Queen"); }
    TavDialogs::DialogEnd Run(TavDialogs::TSPOptionsDlgModel& m) override { return Call(onTSP, m, "TSP"); }
    TavDialogs::DialogEnd Run(TavDialogs::ShedDlgModel& m) override { return Call(onShed, m, "Shed"); }
    TavDialogs::DialogEnd Run(TavDialogs::GridDlgModel& m) override { return Call(onGrid, m, "Grid"); }
    TavDialogs::DialogEnd Run(TavDialogs::OptimDlgModel& m) override { return Call(onOptim, m, "Optim"); }
    TavDialogs::DialogEnd Run(TavDialogs::LPStartDlgModel& m) override {
        return Call(onLPStart, m, "LPStart");
    }
    TavDialogs::DialogEnd Run(TavDialogs::LPWizDLGModel& m) override { return Call(onLPWiz, m, "LPWiz"); }
    TavDialogs::DialogEnd Run(TavDialogs::LPConsDlgModel& m) override { return Call(onLPCons, m, "LPCons"); }
    TavDialogs::DialogEnd Run(TavDialogs::TransNumDlgModel& m) override {
        return Call(onTransNum, m, "TransNum");
    }
    TavDialogs::DialogEnd Run(TavDialogs::WarningDlgModel& m) override {
        return Call(onWarning, m, "Warning");
    }
    TavDialogs::DialogEnd Run(TavDialogs::BothQuantDlgModel& m) override { return Call(onQuant, m, "Quant"); }
    TavDialogs::DialogEnd Run(TavDialogs::CostsDlgModel& m) override { return Call(onCosts, m, "Costs"); }

    WizardMessages messages;
    std::vector<std::string> order;
    Handler<TavDialogs::TemplateDlgModel> onTemplate;
    Handler<TavDialogs::QueenDlgModel> onQueen;
    Handler<TavDialogs::TSPOptionsDlgModel> onTSP;
    Handler<TavDialogs::ShedDlgModel> onShed;
    Handler<TavDialogs::GridDlgModel> onGrid;
    Handler<TavDialogs::OptimDlgModel> onOptim;
    Handler<TavDialogs::LPStartDlgModel> onLPStart;
    Handler<TavDialogs::LPWizDLGModel> onLPWiz;
    Handler<TavDialogs::LPConsDlgModel> onLPCons;
    Handler<TavDialogs::TransNumDlgModel> onTransNum;
    Handler<TavDialogs::WarningDlgModel> onWarning;
    Handler<TavDialogs::BothQuantDlgModel> onQuant;
    Handler<TavDialogs::CostsDlgModel> onCosts;

private:
    template <class M> TavDialogs::DialogEnd Call(Handler<M>& handler, M& model, const char* name) {
        order.push_back(name);
        return handler ? handler(model) : TavDialogs::DialogEnd::Cancel;
    }
};

// OK as a view's OK button does it: the model's check first; the dialog ends only when it passes.
template <class M> TavDialogs::DialogEnd OkWith(M& model, TavDialogs::DialogMessages& messages) {
    return model.OnOK(messages) ? TavDialogs::DialogEnd::Ok : TavDialogs::DialogEnd::Cancel;
}
