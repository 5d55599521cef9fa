// The optimisation dialog, the linear-programming wizard and the texts they write.
#include "WizardScript.hpp"

#include "workbench/dialogs/lp/LPText.hpp"

#include <gtest/gtest.h>

using namespace TavDialogs;

namespace {

TEST(LPText, ConstraintAndObjectiveTexts) {
    const CConDetails c{{"3", "-2", "1.5"}, "<=", "10"};
    EXPECT_EQ(ConstraintDisplayText(c), "3x[0] - 2x[1] + 1.5x[2]  <= 10");
    EXPECT_EQ(ConstraintModelText(c), "3*x[0] - 2*x[1] + 1.5*x[2]  <= 10;");
    EXPECT_EQ(ObjectiveModelText({"4", "-1"}, 0), "Maximise(4*x[0] - 1*x[1] );");
    EXPECT_EQ(ObjectiveModelText({"2"}, 1), "Minimise(2*x[0] );");
    EXPECT_EQ(ObjectiveDisplayText({"2"}, 1), "Minimise(2x[0] )");
    EXPECT_EQ(DisplayTerms({"--3"}), "-3x[0] ");
}

// The exponent's sign is part of the number; only leading minus signs make a term negative.
TEST(LPText, NumbersKeepTheirExponentSign) {
    const struct {
        const char* typed;
        const char* language;
    } cases[] = {
        {"1e-05", "1.0e-05"}, {"2.5e1", "2.5e1"}, {" 7 ", "7"},       {".5", "0.5"},  {"5.", "5.0"},
        {"+3", "3"},          {"-4", "-4"},       {"1E+3", "1.0e+3"}, {"abc", "abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageNumber(c.typed), c.language) << c.typed;
    EXPECT_EQ(ModelTerms({"1e-05", "-2e-3"}), "1.0e-05*x[0] - 2.0e-3*x[1] ");
    EXPECT_EQ(DisplayTerms({"1e-05", "-2e-3"}), "1e-05x[0] - 2e-3x[1] ");
    EXPECT_EQ(ConstraintModelText({{"1"}, ">=", "1e-05"}), "1*x[0]  >= 1.0e-05;");
}

TEST(LPText, QuantityText) {
    EXPECT_EQ(QuantityText(25.0), "25");
    EXPECT_EQ(QuantityText(2.5), "2.5");
    EXPECT_EQ(QuantityText(0.00001), "0.00001");
    EXPECT_EQ(QuantityText(0.0), "0");
}

TEST(OptimDialog, GridAndChecks) {
    WizardMessages messages;
    OptimDlgModel dialog(3, {});
    EXPECT_EQ(dialog.cells, (std::vector<std::string>{"0", "0", "0"}));
    EXPECT_EQ(OptimDlgModel::RowLabel(3), "X[2]");
    dialog.cells = {"2.5e1", "abc", "1"};
    EXPECT_FALSE(dialog.OnOK(messages));
    EXPECT_EQ(messages.Last(), "Non-numeric Data in box 2");
    EXPECT_EQ(dialog.EditorRow(), 2);
    dialog.cells[1] = "-1";
    EXPECT_FALSE(dialog.OnOK(messages));
    EXPECT_EQ(messages.Last(), "Please select an Optimize Option");
    EXPECT_EQ(dialog.Focus(), OptimDlgModel::Field::Maximize);
    dialog.option = OptimDlgModel::kMinimize;
    ASSERT_TRUE(dialog.OnOK(messages));
    EXPECT_EQ(dialog.GetCoefficients(), (std::vector<std::string>{"2.5e1", "-1", "1"}));
    dialog.MoveEditorDown();
    dialog.MoveEditorDown();
    EXPECT_EQ(dialog.EditorRow(), 3);
    OptimDlgModel preset(2, {"4", "5"}, 0);
    EXPECT_EQ(preset.cells, (std::vector<std::string>{"4", "5"}));
}

TEST(LPConsDialog, ChecksAndEditing) {
    WizardMessages messages;
    LPConsDlgModel dialog(2);
    dialog.cells = {"1", "inf"};
    EXPECT_FALSE(dialog.OnOK(messages));
    EXPECT_EQ(messages.Last(), "Non-numeric Data in box 2");
    dialog.cells[1] = " 2\t";
    EXPECT_FALSE(dialog.OnOK(messages));
    EXPECT_EQ(messages.Last(), "Please select from list");
    EXPECT_EQ(dialog.Focus(), LPConsDlgModel::Field::Operator);
    dialog.operatorIndex = 2;
    dialog.rhsText = "7";
    ASSERT_TRUE(dialog.OnOK(messages));
    EXPECT_EQ(dialog.GetResult().op, "=");
    LPConsDlgModel edit(2, dialog.GetResult());
    EXPECT_TRUE(edit.IsEditing());
    EXPECT_EQ(edit.operatorIndex, 2);
    EXPECT_EQ(edit.rhsText, "7");
    edit.MoveEditorUp();
    EXPECT_EQ(edit.EditorRow(), 1);
}

TEST(LPWizard, FinishNeedsAConstraintAndAnObjective) {
    WizardScript host;
    LPWizDLGModel wizard(2);
    host.onLPCons = [&](LPConsDlgModel& m) {
        m.cells = {"1", "1"};
        m.operatorIndex = 1;
        m.rhsText = "4";
        return OkWith(m, host.messages);
    };
    wizard.New(host);
    EXPECT_FALSE(wizard.FinishEnabled());
    host.onOptim = [&](OptimDlgModel& m) {
        m.cells = {"3", "2"};
        m.option = OptimDlgModel::kMaximize;
        return OkWith(m, host.messages);
    };
    wizard.SetOptimisation(host);
    EXPECT_TRUE(wizard.FinishEnabled());
    EXPECT_EQ(wizard.ObjectiveText(), "Maximise(3x[0] + 2x[1] )");
    EXPECT_EQ(wizard.ListTexts(), std::vector<std::string>{"1x[0] + 1x[1]  <= 4"});

    // Editing and cancelling leaves the constraint as it was.
    wizard.Select(0);
    EXPECT_TRUE(wizard.EditEnabled());
    host.onLPCons = [](LPConsDlgModel& m) {
        m.cells = {"9", "9"};
        return DialogEnd::Cancel;
    };
    wizard.Edit(host);
    EXPECT_EQ(wizard.ConstraintLines(), std::vector<std::string>{"1*x[0] + 1*x[1]  <= 4;"});
    host.onLPCons = [&](LPConsDlgModel& m) {
        EXPECT_EQ(m.cells, (std::vector<std::string>{"1", "1"}));
        m.cells = {"2", "-1"};
        return OkWith(m, host.messages);
    };
    wizard.Edit(host);
    EXPECT_EQ(wizard.ConstraintLines(), std::vector<std::string>{"2*x[0] - 1*x[1]  <= 4;"});
    EXPECT_EQ(wizard.ObjectiveLine(), "Maximise(3*x[0] + 2*x[1] );");

    wizard.Delete();
    EXPECT_TRUE(wizard.Constraints().empty());
    EXPECT_FALSE(wizard.FinishEnabled());
    EXPECT_FALSE(wizard.DeleteEnabled());
}

TEST(LPStartDialog, Range) {
    WizardMessages messages;
    LPStartDlgModel dialog;
    EXPECT_EQ(dialog.variablesText, "1");
    dialog.variablesText = "101";
    EXPECT_FALSE(dialog.OnOK(messages));
    EXPECT_EQ(messages.Last(), "Please enter an integer between 1 and 100.");
    dialog.variablesText = "3";
    ASSERT_TRUE(dialog.OnOK(messages));
    EXPECT_EQ(dialog.GetVariables(), 3);
}

} // namespace
