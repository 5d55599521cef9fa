// The constant dialogs: the id checks of each, the value rules, the constants produced, and the
// list of constants with its add, edit and delete.

#include "DialogTestSupport.hpp"

#include "workbench/dialogs/constants/ConstDlgModel.hpp"
#include "workbench/dialogs/constants/ConstantsDlgModel.hpp"
#include "workbench/dialogs/constants/IntConstModel.hpp"
#include "workbench/dialogs/constants/StringConstDlgModel.hpp"

#include <gtest/gtest.h>

using namespace TavDialogs;
using TavWorkbench::CConstant;

namespace {

// Each id refusal in the order of the checks, for the three editing dialogs.
TEST(ConstantIdChecksTest, EveryDialogRefusesInTheSameOrder) {
    struct Case {
        const char* name;
        std::string id;
        std::string text;
    };
    const std::vector<Case> cases{
        {"empty", "", ""},
        {"a constant's id", "s", "ID is used as a Constant ID - Please Change"},
        {"a domain's id", "DIGITS", "ID is used as a Domain ID - Please Change"},
        {"a variable's id", "Flag", "ID is used as a Variable ID - Please Change"},
        {"a constraint's id", "C1", "ID is used as a Constraint ID - Please Change"},
        {"a keyword", "Union", "ID is used as a Key Word - Please Change"},
    };
    for (const Case& c : cases) {
        ProblemFixture problem;
        RecordingDialogMessages intMessages, setMessages, stringMessages;
        IntConstModel integer(problem.refs);
        integer.id = c.id;
        integer.valueText = "3";
        EXPECT_FALSE(integer.OnOK(intMessages)) << c.name;
        EXPECT_EQ(intMessages.Only().text, c.id.empty() ? "An ID is required" : c.text) << c.name;
        EXPECT_EQ(integer.GetFocus(), IntConstModel::Field::ID) << c.name;

        ConstDlgModel set(problem.refs);
        set.id = c.id;
        set.setText = "1,2";
        EXPECT_FALSE(set.OnOK(setMessages)) << c.name;
        EXPECT_EQ(setMessages.Only().text, c.id.empty() ? "Please enter a Constant ID" : c.text) << c.name;

        StringConstDlgModel strings(problem.refs);
        strings.id = c.id;
        EXPECT_FALSE(strings.OnOK(stringMessages)) << c.name;
        EXPECT_EQ(stringMessages.Only().text, c.id.empty() ? "An ID is required" : c.text) << c.name;
    }
}

TEST(IntConstModelTest, ValueAndOwnIdWhenEdited) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    IntConstModel model(problem.refs);
    model.Load(*problem.model.constants[0], 0, DialogMode::Edit);
    EXPECT_EQ(model.valueText, "4");
    model.valueText = "4.5";
    EXPECT_FALSE(model.OnOK(messages));
    EXPECT_EQ(messages.Only().text, "Please enter an integer.");
    EXPECT_EQ(model.GetFocus(), IntConstModel::Field::Value);
    model.valueText = " -12 ";
    ASSERT_TRUE(model.OnOK(messages));
    EXPECT_EQ(model.MakeConstant()->GetModelText(), "N := -12;");
    EXPECT_EQ(model.MakeConstant()->GetIntValue(), -12);
}

TEST(ConstDlgModelTest, SetAndListTexts) {
    struct Case {
        const char* name;
        std::string set, list;
        std::string text;
        int caret;
        std::string line;
    };
    const std::vector<Case> cases{
        {"nothing", "", "", "Please enter a list, or a set", -1, ""},
        {"comma before the close", "{1,2,}", "", "Remove Comma before Close Bracket", 5, ""},
        {"comma at the end", "1,2,", "", "Don't finish with a comma", 3, ""},
        {"two commas", "1,,2", "", "2 commas in a row", 2, ""},
        {"close first", "}1", "", "Close bracket before Open Bracket", 0, ""},
        {"a set", "1,2,3", "", "", -1, "K := {1,2,3};"},
        {"a set of sets", "{1,2},{3}", "", "", -1, "K := {{1,2},{3}};"},
        {"a list", "", "4,5", "", -1, "K := [4,5];"},
    };
    for (const Case& c : cases) {
        ProblemFixture problem;
        RecordingDialogMessages messages;
        ConstDlgModel model(problem.refs);
        model.id = "K";
        model.setText = c.set;
        model.listText = c.list;
        const bool accepted = model.OnOK(messages);
        EXPECT_EQ(accepted, c.text.empty()) << c.name;
        if (!accepted) {
            EXPECT_EQ(messages.Only().text, c.text) << c.name;
            EXPECT_EQ(model.GetFocus(), ConstDlgModel::Field::Set) << c.name;
            EXPECT_EQ(model.GetCaret(), c.caret) << c.name;
        } else {
            EXPECT_EQ(model.MakeConstant()->GetModelText(), c.line) << c.name;
        }
    }
}

TEST(ConstDlgModelTest, EditingDisablesTheOtherKind) {
    ProblemFixture problem;
    ConstDlgModel model(problem.refs);
    EXPECT_TRUE(model.IsSetEnabled() && model.IsListEnabled());
    model.Load(*problem.model.constants[1], 1, DialogMode::Edit);
    EXPECT_EQ(model.setText, "1,2");
    EXPECT_TRUE(model.IsSetEnabled());
    EXPECT_FALSE(model.IsListEnabled());
    RecordingDialogMessages messages;
    EXPECT_TRUE(model.OnOK(messages)) << messages.Only().text;
}

TEST(StringConstDlgModelTest, EntriesInTheirOrderAndACommaInsideOne) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    StringConstDlgModel model(problem.refs);
    EXPECT_FALSE(model.IsAddEnabled());
    for (const char* value : {"red", "green", "blue", "dark, deep"}) {
        model.newValue = value;
        EXPECT_TRUE(model.IsAddEnabled());
        model.OnAddValue(messages);
    }
    model.newValue = "say \"hi\"";
    model.OnAddValue(messages);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Remove any \" characters"});
    model.OnMoveValue(0, 2);
    model.OnRemoveValue(3);
    EXPECT_EQ(model.entries, (std::vector<std::string>{"green", "blue", "red"}));
    model.newValue = "dark, deep";
    messages.boxes.clear();
    model.OnAddValue(messages);

    model.id = "Paint";
    ASSERT_TRUE(model.OnOK(messages));
    const auto constant = model.MakeConstant();
    EXPECT_EQ(constant->GetType(), CConstant::Type::StringList);
    EXPECT_EQ(constant->GetModelText(), "Paint := [\"green\",\"blue\",\"red\",\"dark, deep\"];");

    StringConstDlgModel reopened(problem.refs);
    reopened.Load(*constant, 0, DialogMode::Edit);
    EXPECT_EQ(reopened.entries, (std::vector<std::string>{"green", "blue", "red", "dark, deep"}));
}

TEST(StringConstDlgModelTest, PlainValueTextsSplitAtCommas) {
    ProblemFixture problem;
    StringConstDlgModel model(problem.refs);
    model.Load(CConstant("C", "red,green,blue", CConstant::Type::StringList), 0, DialogMode::Edit);
    EXPECT_EQ(model.entries, (std::vector<std::string>{"red", "green", "blue"}));
    EXPECT_EQ(model.GetValue(), "red,green,blue");
}

TEST(ConstantsDlgModelTest, RowsAddEditAndDelete) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    ScriptedHost host;
    ConstantsDlgModel model(problem.model, problem.keyWords);
    ASSERT_EQ(model.Rows().size(), 2u);
    EXPECT_EQ(model.Rows()[1].type, "Set");

    host.Script<IntConstModel>([](IntConstModel& m) {
        m.id = "M", m.valueText = "7";
        return true;
    });
    host.Script<ConstDlgModel>([](ConstDlgModel& m) {
        m.id = "L", m.listText = "3,1";
        return true;
    });
    EXPECT_TRUE(model.OnAddInteger(host));
    EXPECT_TRUE(model.OnAddListSet(host));
    ASSERT_EQ(model.Rows().size(), 4u);
    EXPECT_EQ(model.Rows()[3].type, "List");
    EXPECT_EQ(model.Rows()[3].value, "3,1");

    host.Script<ConstDlgModel>([](ConstDlgModel& m) {
        EXPECT_EQ(m.setText, "1,2");
        m.setText = "1,2,5";
        return true;
    });
    EXPECT_TRUE(model.OnEdit(1, host));
    EXPECT_EQ(problem.model.constants[1]->GetModelText(), "S := {1,2,5};");

    // Nothing is deleted without a selection; N sizes q, so it stays; M is unused.
    model.selection = -1;
    EXPECT_FALSE(model.OnDelete(messages));
    model.selection = 0;
    EXPECT_FALSE(model.OnDelete(messages));
    EXPECT_EQ(messages.Only().text, "Cannot Delete - N in use by\nq\n");
    messages.boxes.clear();
    model.selection = 2;
    messages.answers = {true};
    EXPECT_TRUE(model.OnDelete(messages));
    EXPECT_EQ(messages.Only(), (Box{"Delete Constant with ID  M", "Delete", true}));
    EXPECT_EQ(problem.model.constants.GetSize(), 3);
}

} // namespace
