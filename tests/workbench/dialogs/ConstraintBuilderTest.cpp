// The constraint builder and its Forall and if/else templates: the id and phrasing refusals,
// the whole-problem check with its error line counted within the candidate, the tree's entries
// and what each insertion puts at the caret.

#include "DialogTestSupport.hpp"

#include "workbench/dialogs/builder/ExpDlgModel.hpp"
#include "workbench/dialogs/builder/ForTempDlgModel.hpp"
#include "workbench/dialogs/builder/IFElseDlgModel.hpp"

#include <gtest/gtest.h>

using namespace TavDialogs;

namespace {

using F = ExpDlgModel::Field;

struct BuilderCase {
    const char* name;
    std::string id;
    std::string text;
    std::string shown;
    F focus;
};

TEST(ExpDlgModelTest, RefusalsOfANewConstraint) {
    const std::vector<BuilderCase> cases{
        {"no text", "c2", "", "No Constraint", F::Text},
        {"no id", "", "q[0] <> 1;", "An ID is required", F::ID},
        {"another constraint's id", "C1", "q[0] <> 1;", "C1 already used\n Please Change", F::ID},
        {"a domain's id", "digits", "q[0] <> 1;", "ID is used as a Domain ID - Please Change", F::ID},
        {"a variable's id", "FLAG", "q[0] <> 1;", "ID is used as a Variable ID - Please Change", F::ID},
        {"a keyword", "Count", "q[0] <> 1;", "ID is used as a Key Word - Please Change", F::ID},
        {"a constant's id", "s", "q[0] <> 1;", "ID is used as a Constant ID - Please Change", F::ID},
        {"a placeholder left", "c2", "AllDifferent( \xAB[Variable List]\xBB ) ;",
         "Please remove any \xAB characters\nand any instructions", F::Text},
        {"a closing mark left", "c2", "q[0] <> 1;\xBB",
         "Please remove any \xBB characters\nand any instructions", F::Text},
        {"For All spelt apart", "c2", "For All (i in [0..3]) { q[i] <> 9; }", "Replace For All with Forall",
         F::Text},
        {"an unknown variable", "c2", "zz <> 1;", "Variable or Index zz not found (line 1 )", F::Text},
        {"a syntax error", "c2", "q[0] <> ;", "Syntax error (line 1 )", F::Text},
    };
    for (const BuilderCase& c : cases) {
        ProblemFixture problem;
        RecordingDialogMessages messages;
        ExpDlgModel model(problem.refs, problem.templates);
        model.id = c.id;
        model.text = c.text;
        EXPECT_FALSE(model.OnOK(messages)) << c.name;
        EXPECT_EQ(messages.Only().text, c.shown) << c.name;
        EXPECT_EQ(model.GetFocus(), c.focus) << c.name;
    }
}

TEST(ExpDlgModelTest, APlaceholderIsSelectedAndForAllIsRewritten) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    ExpDlgModel model(problem.refs, problem.templates);
    model.id = "c2";
    model.text = "q[0] <> \xABInteger\xBB;";
    EXPECT_FALSE(model.OnCheck(messages));
    EXPECT_EQ(model.GetSelectionStart(), 8);
    EXPECT_EQ(model.GetSelectionEnd(), 9);

    model.text = "for all (i in [0..N-1]) { q[i] <> 9; }";
    EXPECT_FALSE(model.OnOK(messages));
    EXPECT_EQ(model.text, "Forall (i in [0..N-1]) { q[i] <> 9; }");
    EXPECT_EQ(messages.boxes.back().text, "Replace for all with Forall");
    messages.boxes.clear();
    EXPECT_TRUE(model.OnOK(messages)) << messages.Only().text;
}

TEST(ExpDlgModelTest, AcceptedConstraintRecordsTheIdsItUses) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    ExpDlgModel model(problem.refs, problem.templates);
    model.id = "c2";
    model.text = "Forall (i in [0..N-2])\r\n{\r\nq[i] < q[i+1];\r\n}";
    EXPECT_TRUE(model.OnCheck(messages));
    EXPECT_EQ(messages.Only().text, "Constraint OK");
    EXPECT_TRUE(messages.Only().info);
    ASSERT_TRUE(model.OnOK(messages));
    const auto& used = model.GetUsedIDs();
    EXPECT_NE(std::find(used.begin(), used.end(), "q"), used.end());
    EXPECT_NE(std::find(used.begin(), used.end(), "n"), used.end());
    for (const std::string& id : used)
        EXPECT_EQ(id.find('['), std::string::npos) << id;

    model.Store(problem.model.constraints);
    ASSERT_EQ(problem.model.constraints.GetSize(), 2);
    EXPECT_TRUE(problem.model.constraints.IsIDInUse("Q"));
    EXPECT_EQ(problem.model.constraints[1]->GetText(), model.text);
}

TEST(ExpDlgModelTest, ErrorLinesAreCountedWithinTheCandidate) {
    struct Case {
        const char* name;
        std::string text;
        std::string shown;
        int line;
        std::string selected;
    };
    const std::vector<Case> cases{
        {"second of three lines", "Forall (i in [0..N-1])\r\n{ q[i] <> ; \r\n}", "Syntax error (line 2 )", 2,
         "{ q[i] <> ; "},
        {"third of three lines", "Forall (i in [0..N-1])\r\n{\r\nq[i] <> x; }",
         "Variable or Index x not found (line 3 )", 3, "q[i] <> x; }"},
        {"past the end: the last line", "Forall (i in [0..N-1])\r\n{ q[i] <> 1;", "Syntax error (line 2 )", 2,
         "{ q[i] <> 1;"},
    };
    for (const Case& c : cases) {
        ProblemFixture problem;
        RecordingDialogMessages messages;
        ExpDlgModel model(problem.refs, problem.templates);
        model.id = "c2";
        model.text = c.text;
        EXPECT_FALSE(model.OnCheck(messages)) << c.name;
        EXPECT_EQ(messages.Only().text, c.shown) << c.name;
        EXPECT_EQ(model.GetErrorLine(), c.line) << c.name;
        ASSERT_GE(model.GetSelectionStart(), 0) << c.name;
        EXPECT_EQ(
            model.text.substr(static_cast<std::size_t>(model.GetSelectionStart()),
                              static_cast<std::size_t>(model.GetSelectionEnd() - model.GetSelectionStart())),
            c.selected)
            << c.name;
    }
}

TEST(ExpDlgModelTest, TheCheckTextHoldsOnlyTheCandidate) {
    ProblemFixture problem;
    ExpDlgModel model(problem.refs, problem.templates);
    model.text = "flag = 1;";
    int before = 0;
    const std::string text = model.CheckText(&before);
    EXPECT_EQ(text.find("AllDifferent(q);"), std::string::npos);
    // Problem:test { Data { N S } Domains { Digits Colour (empty) } Variables { q flag } Constraints {
    EXPECT_EQ(before, 20);
    const std::string tail = "Constraints\r\n{\r\nflag = 1;\r\n}\r\n\r\n}";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(ExpDlgModelTest, EditingKeepsItsIdAndOptimisationNeedsNone) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    ExpDlgModel edit(problem.refs, problem.templates);
    edit.Load(*problem.model.constraints[0], 0, DialogMode::Edit);
    ASSERT_TRUE(edit.OnOK(messages)) << messages.Only().text;
    edit.Store(problem.model.constraints);
    EXPECT_EQ(problem.model.constraints.GetSize(), 1);

    ExpDlgModel view(problem.refs, problem.templates);
    view.Load(*problem.model.constraints[0], 0, DialogMode::ViewOnly);
    EXPECT_FALSE(view.IsOKEnabled());
    EXPECT_EQ(view.CancelText(), "Close");

    ExpDlgModel target(problem.refs, problem.templates);
    target.LoadOptimisation("");
    EXPECT_EQ(target.TreeRoots().back().text, "Optimisation");
    target.OnSelectNode("All Optimisation");
    const auto insertion = target.OnActivateEntry(1);
    EXPECT_EQ(insertion.text, "Minimise(\xABinteger variable or integer expression\xBB);");
    EXPECT_TRUE(insertion.showReplaceNote);
    target.text = "Minimise(q[0] + q[1]);";
    EXPECT_TRUE(target.OnOK(messages)) << messages.Only().text;
    // The target is checked against every constraint of the problem.
    int before = 0;
    EXPECT_NE(target.CheckText(&before).find("AllDifferent(q);"), std::string::npos);
}

TEST(ExpDlgModelTest, TreeEntries) {
    ProblemFixture problem;
    problem.model.variables.AddVariable("parts", TavWorkbench::CVariable::Type::SetVar, "Digits", 0, "", {});
    ExpDlgModel model(problem.refs, problem.templates);
    EXPECT_EQ(model.TreeRoots().size(), 4u);
    struct Case {
        std::string node;
        std::vector<std::string> entries;
    };
    const std::vector<Case> cases{
        {"Single Variables", {"flag", "parts"}},
        {"Array Elements", {"q[   ]"}},
        {"Array Variables", {"q"}},
        {"Set Variables", {"parts"}},
        {"Integer Constants", {"N"}},
        {"Set Constants", {"S"}},
        {"All Constants", {"N", "S"}},
        {"Comparison", {"<", "<=", "<>", "=", ">=", ">"}},
        {"Logical", {"And", "Or", "Not", "Xor", "Implies", "IFF"}},
        {"Others", {"[ ]", "++", "#"}},
        {"Comparisons",
         {"Equal(A,B)", "NotEqual(A,B)", "LessThanEqual(A,B)", "GreaterThanEqual(A,B)", "LessThan(A,B)",
          "GreaterThan(A,B)"}},
        {"Variables", {}},
    };
    for (const Case& c : cases) {
        model.OnSelectNode(c.node);
        std::vector<std::string> texts;
        for (const auto& entry : model.ListEntries())
            texts.push_back(entry.text);
        EXPECT_EQ(texts, c.entries) << c.node;
    }
    model.OnSelectNode("All");
    EXPECT_EQ(model.ListEntries().size(), 5u + 6u + 6u + 11u + 3u);
    model.OnSelectNode("All Constraints");
    EXPECT_EQ(static_cast<int>(model.ListEntries().size()), problem.templates.GetSize());
}

TEST(ExpDlgModelTest, TemplatesHelpNotesAndInsertions) {
    ProblemFixture problem;
    ExpDlgModel model(problem.refs, problem.templates);
    model.OnSelectNode("All Constraints");
    int allDifferent = -1;
    for (int i = 0; i < static_cast<int>(model.ListEntries().size()); ++i)
        if (model.ListEntries()[static_cast<std::size_t>(i)].text == "AllDifferent(Array Variable)")
            allDifferent = i;
    ASSERT_GE(allDifferent, 0);
    EXPECT_FALSE(model.IsHelpButtonEnabled());
    EXPECT_EQ(model.OnSelectEntry(allDifferent).substr(0, 28), "Ensures that all values in l");
    EXPECT_TRUE(model.IsHelpButtonEnabled());
    EXPECT_EQ(model.OnSelectEntry(0), "\xAB"
                                      "Exp\xBB    \xAB=\xBB   \xAB"
                                      "Exp\xBB ;");
    const auto insertion = model.OnActivateEntry(allDifferent);
    EXPECT_EQ(insertion.text, "AllDifferent( \xAB"
                              "Array Variable\xBB ) ;");
    EXPECT_TRUE(insertion.showReplaceNote);

    model.OnSelectNode("Arithmetic");
    EXPECT_FALSE(model.IsHelpButtonEnabled());
    EXPECT_EQ(model.OnActivateEntry(1).text, "-");
    EXPECT_FALSE(model.OnActivateEntry(1).showReplaceNote);
    EXPECT_EQ(ExpDlgModel::ButtonInsertion("Pwr").text, "Power(\xABIntVar\xBB,\xABIntVar\xBB)");
    EXPECT_TRUE(ExpDlgModel::ButtonInsertion("Sum").showReplaceNote);
    EXPECT_EQ(ExpDlgModel::ButtonInsertion("<=").text, "<=");
}

TEST(ExpDlgModelTest, AnInsertionReplacesTheSelectionAndAddsOneBlank) {
    int caret = 0;
    EXPECT_EQ(ExpDlgModel::InsertAt("a b", 1, 1, "<=", &caret), "a<=  b");
    EXPECT_EQ(caret, 4);
    EXPECT_EQ(ExpDlgModel::InsertAt("a xx b", 2, 4, "<=", &caret), "a <=  b");
    EXPECT_EQ(ExpDlgModel::InsertAt("", 0, 0, "Abs(x)"), "Abs(x) ");
}

TEST(ForallTemplatesTest, AppliedEntriesAreTheBuildersTemplates) {
    ForTempDlgModel model;
    EXPECT_FALSE(model.IsApplyEnabled());
    EXPECT_EQ(model.AppliedText(), "");
    model.selection = 1;
    EXPECT_TRUE(model.IsApplyEnabled());
    EXPECT_EQ(ForTempDlgModel::Entries()[1].back(), ' ');
    EXPECT_EQ(model.AppliedText(), "Forall ( i in [0 .. \xABmax\xBB], j in [0 .. \xABmax\xBB], i < j )");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ExpDlgModel::ForallTemplate(i).back(), ')');
    EXPECT_EQ(ExpDlgModel::ForallTemplate(3), "");
}

TEST(IfElseTemplatesTest, EveryLineEndsWithALineBreak) {
    IFElseDlgModel model;
    EXPECT_EQ(model.GetChoice(), 0);
    EXPECT_EQ(model.ShownText(), "if (\xABindex value\xBB)\r\n{\r\n\xAB"
                                 "constraints\xBB;\r\n}\r\n");
    model.OnChoose(3);
    const std::string shown = model.ShownText();
    const std::string tail = "}\r\nElse\r\n{\r\n\xAB"
                             "constraints\xBB;\r\n}\r\n";
    ASSERT_GE(shown.size(), tail.size());
    EXPECT_EQ(shown.substr(shown.size() - tail.size()), tail);
    EXPECT_NE(shown.find("Else If (\xABindex value\xBB)\r\n"), std::string::npos);
    model.OnChoose(7);
    EXPECT_EQ(model.GetChoice(), 3);
    EXPECT_EQ(ExpDlgModel::InsertAt("", 0, 0, IFElseDlgModel::Templates()[1]).back(), ' ');
}

TEST(ExpDlgModelTest, AConstraintBuiltFromTheForallTemplate) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    ExpDlgModel model(problem.refs, problem.templates);
    model.id = "ordered";
    ForTempDlgModel forall;
    forall.selection = 1;
    int caret = 0;
    model.text = ExpDlgModel::InsertAt(model.text, 0, 0, forall.AppliedText(), &caret);
    EXPECT_FALSE(model.OnOK(messages));
    // The user replaces each placeholder and writes the constraint the loop covers.
    std::string filled = model.text;
    for (std::size_t at; (at = filled.find("\xABmax\xBB")) != std::string::npos;)
        filled.replace(at, 5, "N-1");
    model.text = filled + "\r\n{\r\nq[i] <> q[j];\r\n}";
    messages.boxes.clear();
    ASSERT_TRUE(model.OnOK(messages)) << messages.Only().text;
}

} // namespace
