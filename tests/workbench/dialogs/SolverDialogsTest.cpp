// The solver parameter dialogs and the run dialogs: their ranges and refusals, what they write
// into the parameter blocks, and Set Parameters opening the dialog of each solver setting.

#include "DialogTestSupport.hpp"

#include "../TempFolder.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/dialogs/actions/SolverDialogActions.hpp"
#include "workbench/dialogs/solver/CountDlgModel.hpp"
#include "workbench/dialogs/solver/ExSolDlgModel.hpp"
#include "workbench/dialogs/solver/ExpertDlgModel.hpp"
#include "workbench/dialogs/solver/FCDialogModel.hpp"
#include "workbench/dialogs/solver/GADialogModel.hpp"
#include "workbench/dialogs/solver/GLSDialogModel.hpp"
#include "workbench/dialogs/solver/TabuDlgModel.hpp"
#include "workbench/dialogs/solver/TimeDlgModel.hpp"

#include <gtest/gtest.h>

using namespace TavBridges;
using namespace TavDialogs;

namespace {

AlgParams Block(AlgParams::Family family) {
    return AlgParams::Defaults(family);
}

TEST(FCDialogModelTest, DefaultsFlagAndTheWrittenParameters) {
    AlgParams params = Block(AlgParams::Family::CompleteSearch);
    params.SetParameter(1, 2);
    params.SetParameter(2, 7);
    params.SetParameter(3, 0);
    FCDialogModel defaulted(params, true);
    EXPECT_EQ(defaulted.ordering, 1);
    EXPECT_EQ(defaulted.thresholdText, "1");
    EXPECT_EQ(defaulted.backtracking, 1);
    // Constraint directed backtracking runs with natural ordering: the dialog says so.
    EXPECT_FALSE(defaulted.OrderingApplies());
    EXPECT_EQ(defaulted.OrderingNote(), "Constraint Directed backtracking runs with Natural Ordering");
    defaulted.backtracking = 0;
    EXPECT_TRUE(defaulted.OrderingApplies());
    EXPECT_EQ(defaulted.OrderingNote(), "");

    FCDialogModel model(params, false);
    EXPECT_EQ(model.ordering, 2);
    EXPECT_EQ(model.thresholdText, "7");
    RecordingDialogMessages messages;
    model.thresholdText = "-1";
    EXPECT_FALSE(model.OnOK(messages));
    EXPECT_EQ(messages.Only().text, "Please enter a positive integer.");
    EXPECT_EQ(params.GetParameter(2), 7);
    model.thresholdText = "0";
    model.ordering = 0;
    ASSERT_TRUE(model.OnOK(messages));
    EXPECT_EQ(params.GetParameter(1), 0);
    EXPECT_EQ(params.GetParameter(2), 0);

    params.SetParameter(1, 9);
    FCDialogModel unknown(params, false);
    EXPECT_EQ(unknown.ordering, -1);
    messages.boxes.clear();
    EXPECT_FALSE(unknown.OnOK(messages));
    EXPECT_EQ(messages.Only().text, "Please select a Variable Ordering Heuristic");
}

TEST(GLSDialogModelTest, RangesAndSwitches) {
    struct Case {
        const char* name;
        std::string lambda, seed, scaling;
        std::string text;
        GLSDialogModel::Field focus;
    };
    using F = GLSDialogModel::Field;
    const std::vector<Case> cases{
        {"seed 0", "1", "0", "2", "Please enter an integer between 1 and 9999.", F::Seed},
        {"lambda too large", "10000", "5", "2", "Please enter an integer between 0 and 9999.", F::Lambda},
        {"lambda not a number", "1.5", "5", "2", "Please enter an integer.", F::Lambda},
        {"scaling negative", "1", "5", "-2", "Please enter a positive integer.", F::Scaling},
        {"scaling too large", "1", "5", "10000", "Please enter an integer between 0 and 9999.", F::Scaling},
    };
    for (const Case& c : cases) {
        AlgParams params = Block(AlgParams::Family::GuidedLocalSearch);
        const AlgParams before = params;
        RecordingDialogMessages messages;
        GLSDialogModel model(params);
        model.lambdaText = c.lambda, model.seedText = c.seed, model.scalingText = c.scaling;
        EXPECT_FALSE(model.OnOK(messages)) << c.name;
        EXPECT_EQ(messages.Only().text, c.text) << c.name;
        EXPECT_EQ(model.GetFocus(), c.focus) << c.name;
        EXPECT_EQ(params, before) << c.name;
    }
    AlgParams params = Block(AlgParams::Family::GuidedLocalSearch);
    GLSDialogModel model(params);
    EXPECT_EQ(model.seedText, "1000");
    EXPECT_TRUE(model.learning);
    model.learning = false;
    model.seedText = "42";
    RecordingDialogMessages messages;
    ASSERT_TRUE(model.OnOK(messages));
    EXPECT_EQ(params.GetParameter(3), 0);
    EXPECT_EQ(params.GetParameter(5), 42);
}

TEST(GADialogModelTest, RangesAndABreedablePopulation) {
    struct Case {
        const char* name;
        int field;
        std::string text;
        std::string shown;
        int focus;
    };
    const std::vector<Case> cases{
        {"population 501", 0, "501", "Please enter an integer between 3 and 500.", 0},
        {"population 2", 0, "2", "Please enter an integer between 3 and 500.", 0},
        {"crossover 101", 1, "101", "Please enter an integer between 0 and 100.", 1},
        {"max generation 0", 4, "0", "Please enter an integer between 1 and 5000.", 4},
        {"pool of 2", 3, "2",
         "Selection Pool Size(%) too small\nThe pool must hold at least 3 of the Population", 3},
    };
    for (const Case& c : cases) {
        AlgParams params = Block(AlgParams::Family::GeneticAlgorithm);
        const AlgParams before = params;
        RecordingDialogMessages messages;
        GADialogModel model(params);
        model.texts[static_cast<std::size_t>(c.field)] = c.text;
        EXPECT_FALSE(model.OnOK(messages)) << c.name;
        EXPECT_EQ(messages.Only().text, c.shown) << c.name;
        EXPECT_EQ(model.GetFocus(), c.focus) << c.name;
        EXPECT_EQ(params, before) << c.name;
    }
    AlgParams params = Block(AlgParams::Family::GeneticAlgorithm);
    GADialogModel model(params);
    params.SetParameter(1, 7);
    EXPECT_EQ(model.texts[0], "100");
    model.texts[0] = "20";
    RecordingDialogMessages messages;
    ASSERT_TRUE(model.OnOK(messages));
    EXPECT_EQ(params.GetParameter(1), 20);
    EXPECT_EQ(params.GetParameter(4), 25);
}

TEST(TabuDlgModelTest, ABothZeroTenureIsRefused) {
    AlgParams params = Block(AlgParams::Family::TabuSearch);
    const AlgParams before = params;
    RecordingDialogMessages messages;
    TabuDlgModel model(params);
    EXPECT_EQ(model.minimumText, "5");
    model.minimumText = "0";
    model.maximumText = "0";
    EXPECT_FALSE(model.OnOK(messages));
    EXPECT_EQ(messages.Only().text, "Please enter an integer not less than  1");
    EXPECT_EQ(model.GetFocus(), TabuDlgModel::Field::MinimumPeriod);
    EXPECT_EQ(params, before);
    model.minimumText = "3";
    model.approximate = true;
    ASSERT_TRUE(model.OnOK(messages));
    EXPECT_EQ(params.GetParameter(1), 3);
    EXPECT_EQ(params.GetParameter(2), 0);
    EXPECT_EQ(params.GetParameter(3), 1);
}

TEST(RunDialogsTest, TimeCountExpertAndExternalSolvers) {
    RecordingDialogMessages messages;
    TimeDlgModel time(10);
    time.minutesText = "31";
    EXPECT_FALSE(time.OnOK(messages));
    time.OnUseDefault();
    ASSERT_TRUE(time.OnOK(messages));
    EXPECT_EQ(time.GetMinutes(), 5);

    CountDlgModel count;
    EXPECT_EQ(count.countText, "1");
    count.countText = "0";
    EXPECT_FALSE(count.OnOK(messages));
    count.countText = "12";
    ASSERT_TRUE(count.OnOK(messages));
    EXPECT_EQ(count.GetCount(), 12);

    ExpertDlgModel expert({"GFC", "GLS"}, 20);
    expert.timeLimitText = "0";
    EXPECT_FALSE(expert.OnOK(messages));
    expert.OnClearStats();
    EXPECT_TRUE(expert.IsClearStatsRequested());
    expert.timeLimitText = "999999";
    EXPECT_TRUE(expert.OnOK(messages));
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Please enter an integer between 1 and 30.",
                                                          "Please enter an integer not less than  1",
                                                          "Please enter an integer between 1 and 999999."}));

    ExSolDlgModel solvers({{"Melvane 1", 1}, {"Melvane 2", 4}});
    EXPECT_EQ(solvers.Line(1), "User#4: Melvane 2");
    EXPECT_EQ(solvers.GetChosen(), 3);
    EXPECT_FALSE(solvers.HasChoice());
    EXPECT_EQ(solvers.ChosenUser(), std::nullopt);
    solvers.OnChoose(2);
    EXPECT_FALSE(solvers.HasChoice());
    solvers.OnDoubleClick(1);
    EXPECT_TRUE(solvers.HasChoice());
    EXPECT_EQ(solvers.GetChosen(), 1);
    EXPECT_EQ(solvers.ChosenUser(), 4);
}

TEST(SolverDialogActionsTest, EachSettingOpensItsDialog) {
    TempFolder folder;
    RecordingDialogMessages messages;
    TavWorkbench::CTavDoc doc(&messages, folder.Path());
    ScriptedHost host;
    SolverDialogActions actions(doc, host);

    host.Script<TabuDlgModel>([](TabuDlgModel& m) {
        m.minimumText = "8";
        RecordingDialogMessages quiet;
        return m.OnOK(quiet);
    });
    doc.SetSolverSetting(TavWorkbench::SolverSetting::TabuSearch);
    EXPECT_TRUE(actions.SetParameters());
    EXPECT_EQ(doc.GetParameterBlock(3).GetParameter(1), 8);

    const AlgParams gls = doc.GetParameterBlock(1);
    doc.SetSolverSetting(TavWorkbench::SolverSetting::GuidedLocalSearch);
    EXPECT_FALSE(actions.SetParameters());
    EXPECT_EQ(doc.GetParameterBlock(1), gls);
    doc.SetSolverSetting(TavWorkbench::SolverSetting::GuidedLocalSearch2);
    EXPECT_FALSE(actions.SetParameters());
    EXPECT_EQ(host.ran, (std::vector<std::string>{"TabuDlgModel", "GLSDialogModel"}));

    host.Script<ExpertDlgModel>([](ExpertDlgModel& m) {
        EXPECT_EQ(m.Names().size(), 4u);
        EXPECT_EQ(m.timeLimitText, "20");
        m.timeLimitText = "45";
        m.OnClearStats();
        RecordingDialogMessages quiet;
        return m.OnOK(quiet);
    });
    doc.SetSolverSetting(TavWorkbench::SolverSetting::Expert);
    EXPECT_TRUE(actions.SetParameters());
    EXPECT_EQ(doc.GetEngineInterval(), 45);
    for (const auto& row : doc.GetExpertTable()) {
        EXPECT_EQ(row.runs, 1);
        EXPECT_EQ(row.successes, 1);
    }
}

} // namespace
