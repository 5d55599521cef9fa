// The tree's editing actions: each add, edit, clone and delete with its dialog, its questions
// and its refusals, the deletion of unused domains, and a problem stated and solved from an
// empty document through the dialogs alone.

#include "DialogTestSupport.hpp"

#include "../TempFolder.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/HeadlessSolveDriver.hpp"
#include "workbench/dialogs/actions/EditingActions.hpp"
#include "workbench/dialogs/builder/ExpDlgModel.hpp"
#include "workbench/dialogs/constants/ConstDlgModel.hpp"
#include "workbench/dialogs/constants/IntConstModel.hpp"
#include "workbench/dialogs/domains/NumDlgModel.hpp"
#include "workbench/dialogs/domains/SetDlgModel.hpp"
#include "workbench/dialogs/domains/TypeSelDlgModel.hpp"
#include "workbench/dialogs/variables/CopyVarDlgModel.hpp"
#include "workbench/dialogs/variables/NewVarDlgModel.hpp"

#include <gtest/gtest.h>

using namespace TavDialogs;

namespace {

class EditingActionsTest : public ::testing::Test {
protected:
    ProblemFixture problem;
    RecordingDialogMessages messages;
    ScriptedHost host;
    EditingActions actions{problem.model, problem.keyWords, problem.templates, host, messages};
};

TEST_F(EditingActionsTest, CloneAndEditAVariable) {
    host.Script<CopyVarDlgModel>(Accept<CopyVarDlgModel>([](CopyVarDlgModel& m) {
        EXPECT_EQ(m.sourceID, "q");
        m.newID = "q2";
    }));
    const ActionOutcome cloned = actions.CloneVariable(0);
    EXPECT_TRUE(cloned.changed && cloned.modified);
    ASSERT_EQ(problem.model.variables.GetSize(), 3);
    EXPECT_EQ(problem.model.variables[2]->GetModelText(), "IntVar q2[N]::Digits;");

    host.Script<NewVarDlgModel>(Accept<NewVarDlgModel>([](NewVarDlgModel& m) {
        EXPECT_EQ(m.sizeConstID, "N");
        m.OnDomainChosen(2);
        m.OnArrayToggled(true);
        m.dimensionsText = "2,3";
        m.OnDimensionsEdited();
    }));
    const ActionOutcome edited = actions.EditVariable(0);
    EXPECT_EQ(edited.kind, ElementKind::Variable);
    EXPECT_EQ(messages.Only().text, "q in use by a Constraint, check Constraint after any change");
    EXPECT_EQ(problem.model.variables[0]->GetModelText(), "EnumVar q[2][3]::Colour;");
    EXPECT_EQ(problem.model.variables[0]->GetType(), TavWorkbench::CVariable::Type::EnumVar);

    EXPECT_FALSE(actions.CloneVariable(7).changed);
}

TEST_F(EditingActionsTest, DeletingAVariable) {
    EXPECT_FALSE(actions.DeleteVariable(0).changed);
    EXPECT_EQ(messages.Only(), (Box{"Cannot Delete - q in use by a Constraint", ""}));
    messages.boxes.clear();
    messages.answers = {false};
    EXPECT_FALSE(actions.DeleteVariable(1).changed);
    EXPECT_EQ(messages.Only(), (Box{"Delete Variable: flag", "", true}));
    EXPECT_TRUE(actions.DeleteVariable(1).changed);
    EXPECT_EQ(problem.model.variables.GetSize(), 1);

    // A variable that only the optimisation target uses is kept too.
    problem.model.variables.AddVariable("cost", TavWorkbench::CVariable::Type::IntVar, "Digits", 0, "", {});
    problem.model.optimisation = {"Minimise(cost);"};
    messages.boxes.clear();
    EXPECT_FALSE(actions.DeleteVariable(1).changed);
    EXPECT_EQ(messages.Only().text, "Cannot Delete - cost in use by\nOptimisation\n");
}

TEST_F(EditingActionsTest, DomainsEditAndDelete) {
    EXPECT_FALSE(actions.EditDomain(0).changed);
    EXPECT_FALSE(actions.DeleteDomain(0).changed);
    EXPECT_FALSE(actions.DeleteDomain(1).changed);
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"System Domain - Can't Edit", "System Domain - Can't Delete",
                                        "Cannot delete, in Use by\nq\n"}));

    host.Script<NumDlgModel>(Accept<NumDlgModel>([](NumDlgModel& m) { m.maxText = "5"; }));
    EXPECT_TRUE(actions.EditDomain(1).changed);
    EXPECT_EQ(problem.model.domains[1]->GetModelText(), "[0,5];");

    messages.boxes.clear();
    EXPECT_TRUE(actions.DeleteDomain(2).changed);
    EXPECT_EQ(messages.Only(), (Box{"Delete Domain: Colour", "", true}));
    EXPECT_EQ(problem.model.domains.GetSize(), 2);
}

TEST_F(EditingActionsTest, ConstraintsEditDeleteAndTheOptimisation) {
    host.Script<ExpDlgModel>(Accept<ExpDlgModel>([](ExpDlgModel& m) {
        EXPECT_EQ(m.text, "AllDifferent(q);");
        m.id = "diff";
    }));
    EXPECT_TRUE(actions.EditConstraint(0).changed);
    EXPECT_EQ(problem.model.constraints[0]->GetID(), "diff");

    host.Script<ExpDlgModel>(Accept<ExpDlgModel>([](ExpDlgModel& m) {
        EXPECT_TRUE(m.IsOptimisation());
        m.text = "Maximise(q[0]);";
    }));
    EXPECT_TRUE(actions.AddOptimisation().changed);
    EXPECT_EQ(problem.model.optimisation, std::vector<std::string>{"Maximise(q[0]);"});
    host.Script<ExpDlgModel>(Accept<ExpDlgModel>([](ExpDlgModel& m) {
        EXPECT_EQ(m.text, "Maximise(q[0]);");
        m.text = "Minimise(q[1]);";
    }));
    actions.AddOptimisation();
    EXPECT_EQ(problem.model.optimisation, std::vector<std::string>{"Minimise(q[1]);"});

    messages.answers = {false, true, true};
    EXPECT_FALSE(actions.RemoveOptimisation().changed);
    EXPECT_TRUE(actions.RemoveOptimisation().changed);
    EXPECT_TRUE(problem.model.optimisation.empty());
    EXPECT_TRUE(actions.DeleteConstraint(0).changed);
    EXPECT_TRUE(problem.model.constraints.IsEmpty());
    EXPECT_EQ(messages.boxes[0], (Box{"Remove ALL Optimisation", "Tav", true}));
    EXPECT_EQ(messages.boxes[2], (Box{"Delete Constraint :diff", "", true}));
}

TEST_F(EditingActionsTest, ConstantsEditAndDelete) {
    host.Script<IntConstModel>(Accept<IntConstModel>([](IntConstModel& m) { m.valueText = "6"; }));
    EXPECT_TRUE(actions.EditConstant(0).changed);
    EXPECT_EQ(problem.model.constants[0]->GetIntValue(), 6);

    EXPECT_FALSE(actions.DeleteConstant(0).changed);
    EXPECT_EQ(messages.Only().text, "Cannot Delete - N in use by\nq\n");
    // A domain's bound and another constant's value name it too: each user is listed.
    problem.model.domains.AddIntDomain("UpTo", "", "", "n", 1, 0, {}, 0, -1);
    problem.model.constants.Add(
        std::make_unique<TavWorkbench::CConstant>("L", "N,5", TavWorkbench::CConstant::Type::List));
    messages.boxes.clear();
    EXPECT_FALSE(actions.DeleteConstant(0).changed);
    EXPECT_EQ(messages.Only().text, "Cannot Delete - N in use by\nq\nUpTo\nL\n");
    problem.model.constants.RemoveAt(2);
    problem.model.domains.RemoveAt(3);

    // A constant that a constraint's text names is kept as well.
    problem.model.constraints.Add(std::make_unique<TavWorkbench::CConstraint>("c2", "Member(q[0], s);"));
    messages.boxes.clear();
    EXPECT_FALSE(actions.DeleteConstant(1).changed);
    EXPECT_EQ(messages.Only().text, "Cannot Delete - S in use by\nc2\n");
    problem.model.constraints.RemoveAt(1);
    messages.boxes.clear();
    EXPECT_TRUE(actions.DeleteConstant(1).changed);
    EXPECT_EQ(messages.Only(), (Box{"Delete Constant : S", "", true}));
}

TEST_F(EditingActionsTest, AddCommands) {
    host.Script<NewVarDlgModel>(Accept<NewVarDlgModel>([](NewVarDlgModel& m) {
        m.id = "x,y";
        m.OnDomainChosen(1);
    }));
    EXPECT_EQ(actions.AddVariable().kind, ElementKind::Variable);
    EXPECT_EQ(problem.model.variables.GetSize(), 4);

    host.Script<TypeSelDlgModel>([](TypeSelDlgModel& m) {
        m.selection = TypeSelDlgModel::kSet;
        return true;
    });
    host.Script<SetDlgModel>(Accept<SetDlgModel>([](SetDlgModel& m) {
        m.id = "Odd";
        m.values = {1, 3};
    }));
    EXPECT_EQ(actions.AddDomain().index, 3);

    host.Script<IntConstModel>(
        Accept<IntConstModel>([](IntConstModel& m) { m.id = "M", m.valueText = "2"; }));
    host.Script<ConstDlgModel>(
        Accept<ConstDlgModel>([](ConstDlgModel& m) { m.id = "T", m.setText = "4,5"; }));
    EXPECT_TRUE(actions.AddIntegerConstant().changed);
    EXPECT_TRUE(actions.AddSetListConstant().changed);
    EXPECT_EQ(problem.model.constants[3]->GetModelText(), "T := {4,5};");

    host.Script<ExpDlgModel>([](ExpDlgModel& m) {
        m.id = "sum", m.text = "x + y = M;";
        RecordingDialogMessages quiet;
        return m.OnOK(quiet);
    });
    EXPECT_FALSE(actions.AddConstraint().changed);
    host.Script<ExpDlgModel>(
        Accept<ExpDlgModel>([](ExpDlgModel& m) { m.id = "total", m.text = "x + y = M;"; }));
    EXPECT_TRUE(actions.AddConstraint().changed);
    EXPECT_TRUE(problem.model.constraints.IsIDInUse("m"));
    EXPECT_EQ(host.ran.size(), 7u);
}

TEST_F(EditingActionsTest, CancelledDialogsChangeNothingButNewDomainsStay) {
    host.Script<NewVarDlgModel>([this](NewVarDlgModel& m) {
        ScriptedHost inner;
        inner.Script<TypeSelDlgModel>([](TypeSelDlgModel& t) {
            t.selection = 0;
            return true;
        });
        inner.Script<NumDlgModel>(
            Accept<NumDlgModel>([](NumDlgModel& d) { d.id = "Tiny", d.minText = "0", d.maxText = "1"; }));
        m.OnNewDomain(inner);
        return false;
    });
    const ActionOutcome outcome = actions.AddVariable();
    EXPECT_EQ(outcome.kind, ElementKind::Domain);
    EXPECT_EQ(problem.model.domains.GetSize(), 4);
    EXPECT_EQ(problem.model.variables.GetSize(), 2);
    EXPECT_FALSE(actions.EditConstant(0).changed);
    EXPECT_FALSE(actions.AddConstraint().changed);
}

TEST_F(EditingActionsTest, DeleteUnusedDomains) {
    problem.model.domains.AddDoubleDomain("RealDomain", 0, 1);
    problem.model.domains.AddBoolDomain("Spare");
    problem.model.domains.AddIntDomain("Loose", "", "", "", 1, 2, {}, 0, 0);
    actions.DeleteUnusedDomains();
    EXPECT_EQ(messages.Only().text, "3 Domain(s) were deleted");
    std::vector<std::string> left;
    for (const auto& domain : problem.model.domains)
        left.push_back(domain->GetID());
    EXPECT_EQ(left, (std::vector<std::string>{"TrueFalse", "Digits", "Spare"}));
    messages.boxes.clear();
    actions.DeleteUnusedDomains();
    EXPECT_EQ(messages.Only().text, "0 Domain(s) were deleted");
}

TEST(SendMoreMoneyTest, StatedAndSolvedThroughTheDialogsAlone) {
    TempFolder folder;
    RecordingDialogMessages messages;
    TavWorkbench::CTavDoc doc(&messages, folder.Path());
    ASSERT_TRUE(doc.OnNewDocument());
    ScriptedHost host;
    EditingActions actions(doc.GetModel(), doc.GetKeyWords(), doc.GetAvailableConstraints(), host, messages);

    host.Script<TypeSelDlgModel>([](TypeSelDlgModel& m) {
        m.selection = TypeSelDlgModel::kInteger;
        return true;
    });
    host.Script<NumDlgModel>(
        Accept<NumDlgModel>([](NumDlgModel& m) { m.id = "Digit", m.minText = "0", m.maxText = "9"; }));
    ASSERT_TRUE(actions.AddDomain().changed);
    host.Script<NewVarDlgModel>(Accept<NewVarDlgModel>([](NewVarDlgModel& m) {
        m.id = "S,E,N,D,M,O,R,Y";
        for (int row = 0; row < static_cast<int>(m.DomainEntries().size()); ++row)
            if (m.DomainEntries()[static_cast<std::size_t>(row)].rfind("Digit ", 0) == 0)
                m.OnDomainChosen(row);
    }));
    ASSERT_TRUE(actions.AddVariable().changed);
    const std::vector<std::pair<std::string, std::string>> constraints{
        {"distinct", "AllDifferent([S,E,N,D,M,O,R,Y]);"},
        {"leadS", "S <> 0;"},
        {"leadM", "M <> 0;"},
        {"sum", ""},
        {"words", "ScalProd([S,E,N,D,M,O,R,E,M,O,N,E,Y],\r\n"
                  "[1000,100,10,1,1000,100,10,1,-10000,-1000,-100,-10,-1]) = 0;"},
    };
    for (const auto& [id, text] : constraints) {
        host.Script<ExpDlgModel>([id = id, text = text](ExpDlgModel& m) {
            m.id = id;
            m.text = text;
            RecordingDialogMessages quiet;
            return m.OnOK(quiet);
        });
        actions.AddConstraint();
    }
    // The constraint without a text was refused: four were added.
    ASSERT_EQ(doc.GetConstraints().GetSize(), 4);

    TavWorkbench::HeadlessSolveDriver driver(doc);
    const auto outcome = driver.Run(-1);
    ASSERT_TRUE(outcome.started) << doc.GetLastParseError();
    ASSERT_EQ(outcome.found, 1);
    std::string money;
    for (const char* letter : {"M", "O", "N", "E", "Y"})
        money += doc.GetSolutions().GetValue(letter, 0);
    EXPECT_EQ(money, "10652");
    EXPECT_EQ(doc.GetSolutions().GetValue("S", 0) + doc.GetSolutions().GetValue("E", 0) +
                  doc.GetSolutions().GetValue("N", 0) + doc.GetSolutions().GetValue("D", 0),
              "9567");
}

} // namespace
