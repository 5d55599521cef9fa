// The dialogs' views, offscreen: each is opened by the editing actions or the solver commands,
// filled with QTest and accepted, and the document is checked afterwards.

#include "DialogTestSupport.hpp"
#include "ViewScript.hpp"

#include "../TempFolder.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/HeadlessSolveDriver.hpp"
#include "workbench/dialogs/actions/EditingActions.hpp"
#include "workbench/dialogs/actions/SolverDialogActions.hpp"
#include "workbench/dialogs/widgets/CExpDlg.hpp"
#include "workbench/dialogs/widgets/CStatsDlg.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/model/ProblemText.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QToolTip>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace TavDialogs;

namespace {

class ViewsTest : public ::testing::Test {
protected:
    ViewsTest() {
        doc.OnNewDocument();
        doc.GetDomains().AddIntDomain("Digit", "", "", "", 0, 9, {}, 0, 0);
    }

    TavWorkbench::TavModel& Model() { return doc.GetModel(); }
    std::string Line(const TavWorkbench::CVariable& variable) { return variable.GetModelText(); }

    TempFolder folder;
    RecordingDialogMessages messages;
    TavWorkbench::CTavDoc doc{&messages, folder.Path()};
    QtDialogHost host{messages};
    ViewScript script{host};
    EditingActions actions{doc.GetModel(), doc.GetKeyWords(), doc.GetAvailableConstraints(), host, messages};
};

TEST_F(ViewsTest, IntegerDomainAddedEditedAndDeleted) {
    script.Then("CTypeSelDlg", [](QDialog& view) {
        Find<QComboBox>(view, "dataType")->setCurrentIndex(0);
        Click(view, "ok");
    });
    script.Then("CNumDlg", [](QDialog& view) {
        Type(view, "id", "Small");
        Type(view, "min", "1");
        Type(view, "max", "4");
        Click(view, "ok");
    });
    const ActionOutcome added = actions.AddDomain();
    ASSERT_TRUE(added.changed);
    EXPECT_EQ(TavWorkbench::DomainLine(*Model().domains[added.index]), "IntDom Small=[1,4];");

    script.Then("CNumDlg", [](QDialog& view) {
        EXPECT_EQ(Find<QLineEdit>(view, "max")->text(), "4");
        // Enter in the new-value box adds the value and empties Min and Max.
        Type(view, "newValue", "7");
        QTest::keyClick(Find<QLineEdit>(view, "newValue"), Qt::Key_Return);
        Type(view, "newValue", "2");
        QTest::keyClick(Find<QLineEdit>(view, "newValue"), Qt::Key_Return);
        EXPECT_EQ(Find<QListWidget>(view, "values")->count(), 2);
        EXPECT_EQ(Find<QLineEdit>(view, "min")->text(), "");
        Click(view, "ok");
    });
    ASSERT_TRUE(actions.EditDomain(added.index).changed);
    EXPECT_EQ(Model().domains[added.index]->GetModelText(), "{2,7};");

    // A refused OK keeps the dialog open with the focus on the offending box.
    script.Then(
        "CNumDlg",
        [this](QDialog& view) {
            Type(view, "id", "digit");
            Click(view, "ok");
            EXPECT_EQ(messages.Only().text, "The id is already in use for a Domain, Please Change");
            EXPECT_TRUE(view.isVisible());
            Click(view, "cancel");
        },
        true);
    EXPECT_FALSE(actions.EditDomain(added.index).changed);

    messages.boxes.clear();
    messages.answers = {true};
    EXPECT_TRUE(actions.DeleteDomain(added.index).changed);
    EXPECT_EQ(messages.Only().text, "Delete Domain: Small");
}

// An identifier box leaves out what an ID cannot hold and says so as it happens, so "my dom"
// does not become "mydom" unnoticed.
TEST_F(ViewsTest, ACharacterLeftOutOfAnIdIsNamed) {
    script.Then("CTypeSelDlg", [](QDialog& view) {
        Find<QComboBox>(view, "dataType")->setCurrentIndex(0);
        Click(view, "ok");
    });
    script.Then("CNumDlg", [](QDialog& view) {
        auto* id = Find<QLineEdit>(view, "id");
        QTest::keyClicks(id, "my dom");
        EXPECT_EQ(id->text(), "mydom");
        EXPECT_TRUE(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text(), "A space cannot be part of an ID and was left out: an ID holds letters, "
                                    "digits and _ only");
        Type(view, "min", "1");
        Type(view, "max", "4");
        Click(view, "ok");
    });
    const ActionOutcome added = actions.AddDomain();
    ASSERT_TRUE(added.changed);
    EXPECT_EQ(Model().domains[added.index]->GetID(), "mydom");
}

TEST_F(ViewsTest, ABoundTakenFromAConstant) {
    Model().constants.Add(std::make_unique<TavWorkbench::CConstant>("N", 5));
    script.Then("CTypeSelDlg", [](QDialog& view) {
        Find<QComboBox>(view, "dataType")->setCurrentIndex(0);
        Click(view, "ok");
    });
    script.Then("CNumDlg", [](QDialog& view) {
        Type(view, "id", "UpTo");
        Type(view, "min", "1");
        EXPECT_FALSE(Find<QLineEdit>(view, "maxOffset")->isEnabled());
        Click(view, "pickMax");
        EXPECT_EQ(Find<QLineEdit>(view, "maxConst")->text(), "N");
        EXPECT_TRUE(Find<QLineEdit>(view, "maxOffset")->isEnabled());
        Type(view, "maxOffset", "-1");
        Click(view, "ok");
    });
    script.Then("CSelConstDlg", [](QDialog& view) { DoubleClickRow(view, "constants", "N"); });
    const ActionOutcome added = actions.AddDomain();
    ASSERT_TRUE(added.changed);
    EXPECT_EQ(TavWorkbench::DomainLine(*Model().domains[added.index]), "IntDom UpTo=[1,N-1];");
}

TEST_F(ViewsTest, SetAndEnumeratedDomains) {
    script.Then("CTypeSelDlg", [](QDialog& view) {
        Find<QComboBox>(view, "dataType")->setCurrentIndex(1);
        Click(view, "ok");
    });
    script.Then("CSetDlg", [this](QDialog& view) {
        // An added value shows in the list's view, not only in its model.
        QTest::keyClicks(Find<QLineEdit>(view, "newValue"), "5");
        Click(view, "add");
        auto* values = Find<QListWidget>(view, "values");
        QCoreApplication::processEvents();
        EXPECT_EQ(values->indexAt(values->visualItemRect(values->item(0)).center()).data().toString(), "5");
        EXPECT_TRUE(messages.Texts().empty());
        Type(view, "id", "Odd");
        messages.answers = {true};
        Click(view, "range");
        Click(view, "ok");
    });
    script.Then("CRangeDlg", [](QDialog& view) {
        Type(view, "from", "1");
        Type(view, "to", "9");
        Type(view, "step", "2");
        Click(view, "ok");
    });
    const ActionOutcome added = actions.AddDomain();
    ASSERT_TRUE(added.changed);
    EXPECT_EQ(TavWorkbench::DomainLine(*Model().domains[added.index]), "SetDom Odd={1,3,5,7,9} ;");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Place 5 values in Set"});

    Model().domains.AddEnumDomain("Colour", {"red", "green"});
    const int colour = Model().domains.GetSize() - 1;
    script.Then("CEnumDlg", [](QDialog& view) {
        auto* add = Find<QPushButton>(view, "add");
        EXPECT_FALSE(add->isEnabled());
        QTest::keyClicks(Find<QLineEdit>(view, "newValue"), "blue");
        EXPECT_TRUE(add->isEnabled());
        Click(view, "add");
        // The user drags "blue" to the top.
        auto* values = Find<QListWidget>(view, "values");
        values->model()->moveRow(QModelIndex(), 2, QModelIndex(), 0);
        EXPECT_EQ(values->item(0)->text(), "blue");
        Click(view, "ok");
    });
    ASSERT_TRUE(actions.EditDomain(colour).changed);
    EXPECT_EQ(TavWorkbench::DomainLine(*Model().domains[colour]),
              "EnumDom Colour={\"blue\",\"red\",\"green\"} ;");
}

TEST_F(ViewsTest, ArrayVariableClonedEditedAndDeleted) {
    script.Then("CNewVarDlg", [](QDialog& view) {
        QTest::keyClicks(Find<QLineEdit>(view, "id"), "grid");
        DoubleClickRow(view, "domains", "Digit ");
        EXPECT_EQ(Find<QLineEdit>(view, "dataType")->text(), "Integer");
        EXPECT_FALSE(Find<QLineEdit>(view, "dimensions")->isEnabled());
        Tick(view, "array");
        QTest::keyClicks(Find<QLineEdit>(view, "dimensions"), "3,4");
        Click(view, "ok");
    });
    ASSERT_TRUE(actions.AddVariable().changed);
    ASSERT_EQ(Model().variables.GetSize(), 1);
    EXPECT_EQ(Line(*Model().variables[0]), "IntVar grid[3][4]::Digit;");

    script.Then("CCopyVarDlg", [](QDialog& view) {
        EXPECT_EQ(Find<QLineEdit>(view, "source")->text(), "grid");
        QTest::keyClicks(Find<QLineEdit>(view, "newID"), "grid2");
        Click(view, "ok");
    });
    ASSERT_TRUE(actions.CloneVariable(0).changed);
    EXPECT_EQ(Line(*Model().variables[1]), "IntVar grid2[3][4]::Digit;");

    script.Then("CNewVarDlg", [](QDialog& view) {
        EXPECT_EQ(Find<QLineEdit>(view, "dimensions")->text(), "3,4");
        Type(view, "dimensions", "2,2");
        Click(view, "ok");
    });
    ASSERT_TRUE(actions.EditVariable(1).changed);
    EXPECT_EQ(Line(*Model().variables[1]), "IntVar grid2[2][2]::Digit;");

    messages.answers = {true};
    ASSERT_TRUE(actions.DeleteVariable(1).changed);
    EXPECT_EQ(Model().variables.GetSize(), 1);
}

// One click on a domain makes it the variable's, as a double-click does.
TEST_F(ViewsTest, AClickedDomainIsTheVariables) {
    script.Then("CNewVarDlg", [](QDialog& view) {
        QTest::keyClicks(Find<QLineEdit>(view, "id"), "x");
        ClickRow(view, "domains", "Digit ");
        EXPECT_EQ(Find<QLineEdit>(view, "domainID")->text(), "Digit");
        EXPECT_EQ(Find<QLineEdit>(view, "dataType")->text(), "Integer");
        Click(view, "ok");
    });
    ASSERT_TRUE(actions.AddVariable().changed);
    EXPECT_TRUE(messages.boxes.empty()) << messages.boxes.front().text;
    ASSERT_EQ(Model().variables.GetSize(), 1);
    EXPECT_EQ(Line(*Model().variables[0]), "IntVar x::Digit;");
}

TEST_F(ViewsTest, ConstantsOfEachKind) {
    script.Then("CConstDlg", [](QDialog& view) {
        Type(view, "id", "Primes");
        Type(view, "set", "2,3,5");
        Click(view, "ok");
    });
    ASSERT_TRUE(actions.AddSetListConstant().changed);
    EXPECT_EQ(Model().constants[0]->GetModelText(), "Primes := {2,3,5};");

    script.Then("CIntConst", [](QDialog& view) {
        Type(view, "id", "N");
        Type(view, "value", "4");
        Click(view, "ok");
    });
    ASSERT_TRUE(actions.AddIntegerConstant().changed);

    script.Then("CConstDlg", [this](QDialog& view) {
        EXPECT_FALSE(Find<QPlainTextEdit>(view, "list")->isEnabled());
        Type(view, "set", "2,3,");
        Click(view, "ok");
        EXPECT_EQ(messages.Only().text, "Don't finish with a comma");
        EXPECT_EQ(Find<QLineEdit>(view, "set")->cursorPosition(), 3);
        messages.boxes.clear();
        Type(view, "set", "2,3");
        Click(view, "ok");
    });
    ASSERT_TRUE(actions.EditConstant(0).changed);
    EXPECT_EQ(Model().constants[0]->GetModelText(), "Primes := {2,3};");

    Model().constants.Add(
        std::make_unique<TavWorkbench::CConstant>("Paint", "red", TavWorkbench::CConstant::Type::StringList));
    script.Then("CStringConstDlg", [](QDialog& view) {
        QTest::keyClicks(Find<QLineEdit>(view, "newValue"), "dark, deep");
        Click(view, "add");
        Click(view, "ok");
    });
    ASSERT_TRUE(actions.EditConstant(2).changed);
    EXPECT_EQ(Model().constants[2]->GetModelText(), "Paint := [\"red\",\"dark, deep\"];");

    messages.boxes.clear();
    messages.answers = {true};
    ASSERT_TRUE(actions.DeleteConstant(1).changed);
    EXPECT_EQ(messages.Only().text, "Delete Constant : N");
}

// Replaces each `placeholder` in the constraint box by typing `text` over it.
void TypeOver(QPlainTextEdit* edit, const QString& placeholder, const QString& text) {
    for (QTextCursor found = edit->document()->find(placeholder); !found.isNull();
         found = edit->document()->find(placeholder)) {
        edit->setTextCursor(found);
        QTest::keyClicks(edit, text);
    }
}

TEST_F(ViewsTest, ConstraintFromTheForallTemplateThenEditedAndDeleted) {
    Model().constants.Add(std::make_unique<TavWorkbench::CConstant>("N", 4));
    Model().variables.AddVariable("q", TavWorkbench::CVariable::Type::IntVar, "Digit", 1, "N", {});
    script.Then("CExpDlg", [this](QDialog& view) {
        auto& builder = static_cast<CExpDlg&>(view);
        QTest::keyClicks(Find<QLineEdit>(view, "id"), "ordered");
        Click(view, "forall");
        ASSERT_NE(builder.ForallDialog(), nullptr);
        auto* templates = Find<QListWidget>(*builder.ForallDialog(), "templates");
        auto* apply = Find<QPushButton>(*builder.ForallDialog(), "apply");
        EXPECT_FALSE(apply->isEnabled());
        templates->setCurrentRow(1);
        QTest::mouseClick(apply, Qt::LeftButton);
        auto* text = Find<QPlainTextEdit>(view, "text");
        EXPECT_TRUE(text->toPlainText().endsWith(QStringLiteral("i < j ) ")));
        // Accepting the template as it stands is refused.
        Click(view, "ok");
        EXPECT_EQ(messages.Only().text, "Please remove any \xAB characters\nand any instructions");
        EXPECT_EQ(text->textCursor().selectedText(), QString(QChar(0xAB)));
        messages.boxes.clear();
        TypeOver(text, QStringLiteral("\u00ABmax\u00BB"), QStringLiteral("N-1"));
        text->moveCursor(QTextCursor::End);
        TypeLines(text, "\n{\nq[i] <> q[j];\n}");
        Click(view, "ok");
    });
    ASSERT_TRUE(actions.AddConstraint().changed);
    EXPECT_EQ(Model().constraints[0]->GetText(),
              "Forall ( i in [0 .. N-1], j in [0 .. N-1], i < j ) \r\n{\r\nq[i] <> q[j];\r\n}");
    EXPECT_TRUE(Model().constraints.IsIDInUse("q"));

    script.Then("CExpDlg", [](QDialog& view) {
        Type(view, "id", "distinct");
        Click(view, "ok");
    });
    ASSERT_TRUE(actions.EditConstraint(0).changed);
    EXPECT_EQ(Model().constraints[0]->GetID(), "distinct");

    messages.answers = {true};
    ASSERT_TRUE(actions.DeleteConstraint(0).changed);
    EXPECT_TRUE(Model().constraints.IsEmpty());
}

TEST_F(ViewsTest, TheBuilderChecksTheCandidateAndBrowsesValues) {
    Model().variables.AddVariable("x", TavWorkbench::CVariable::Type::IntVar, "Digit", 0, "", {});
    Model().variables.AddVariable("b", TavWorkbench::CVariable::Type::BoolVar, "TrueFalse", 0, "", {});
    script.Then(
        "CExpDlg",
        [this](QDialog& view) {
            auto* text = Find<QPlainTextEdit>(view, "text");
            QTest::keyClicks(Find<QLineEdit>(view, "id"), "c1");
            TypeLines(text, "x > 1 And\nx <> ;\nx < 8;");
            Click(view, "check");
            EXPECT_EQ(messages.Only().text, "Syntax error (line 2 )");
            EXPECT_EQ(text->textCursor().selectedText(), "x <> ;");
            messages.boxes.clear();
            Click(view, "undo");
            Click(view, "viewVariable");
            text->clear();
            QTest::keyClicks(text, "x ");
            Click(view, "lessEqual");
            QTest::keyClicks(text, "3;");
            EXPECT_EQ(text->toPlainText(), "x <= 3;");
            Click(view, "check");
            EXPECT_EQ(messages.Only().text, "Constraint OK");

            // A template's help note stands beside the list while it is selected.
            auto& builder = static_cast<CExpDlg&>(view);
            auto* tree = Find<QTreeWidget>(view, "tree");
            tree->setCurrentItem(
                tree->findItems("All Constraints", Qt::MatchExactly | Qt::MatchRecursive).front());
            auto* list = Find<QListWidget>(view, "list");
            list->setCurrentItem(list->findItems("AllDifferent(Array Variable)", Qt::MatchExactly).front());
            ASSERT_NE(builder.HelpNote(), nullptr);
            EXPECT_TRUE(builder.HelpNote()->HelpText().startsWith("Ensures that all values"));
            EXPECT_TRUE(Find<QPushButton>(view, "templateHelp")->isEnabled());
            tree->setCurrentItem(tree->findItems("Logical", Qt::MatchExactly | Qt::MatchRecursive).front());
            EXPECT_EQ(builder.HelpNote(), nullptr);
            DoubleClickRow(view, "list", "Xor");
            EXPECT_TRUE(text->toPlainText().endsWith("Xor "));
            Click(view, "cancel");
        },
        true);
    script.Then(
        "CSeeAllDlg",
        [](QDialog& view) {
            auto* variables = Find<QComboBox>(view, "variables");
            variables->setCurrentIndex(1);
            EXPECT_EQ(Find<QLineEdit>(view, "lower")->text(), "FALSE");
            variables->setCurrentIndex(0);
            EXPECT_EQ(Find<QLineEdit>(view, "lower")->text(), "0");
            EXPECT_EQ(Find<QLineEdit>(view, "upper")->text(), "9");
            Click(view, "cancel");
        },
        true);
    EXPECT_FALSE(actions.AddConstraint().changed);
    EXPECT_TRUE(Model().constraints.IsEmpty());
}

TEST_F(ViewsTest, SolverDialogs) {
    SolverDialogActions solver(doc, host);
    doc.SetSolverSetting(TavWorkbench::SolverSetting::GeneticAlgorithm);
    script.Then("GADialog", [this](QDialog& view) {
        Type(view, "field1", "2");
        Click(view, "ok");
        EXPECT_EQ(messages.Only().text, "Please enter an integer between 3 and 500.");
        EXPECT_EQ(view.focusWidget(), Find<QLineEdit>(view, "field1"));
        Type(view, "field1", "50");
        Click(view, "ok");
    });
    ASSERT_TRUE(solver.SetParameters());
    EXPECT_EQ(doc.GetParameterBlock(2).GetParameter(1), 50);

    doc.SetSolverSetting(TavWorkbench::SolverSetting::CompleteSearch);
    script.Then("FCDialog", [](QDialog& view) {
        // Constraint directed backtracking (the default) runs with natural ordering: the ordering
        // is greyed with a note until standard backtracking is chosen.
        auto* ordering = Find<QAbstractButton>(view, "ordering2");
        auto* note = Find<QLabel>(view, "orderingNote");
        EXPECT_TRUE(Find<QAbstractButton>(view, "backtracking1")->isChecked());
        EXPECT_FALSE(ordering->isEnabled());
        EXPECT_TRUE(note->isVisible());
        EXPECT_EQ(note->text(), "Constraint Directed backtracking runs with Natural Ordering");
        Tick(view, "backtracking0");
        EXPECT_TRUE(ordering->isEnabled());
        EXPECT_FALSE(note->isVisible());
        Tick(view, "ordering2");
        Type(view, "threshold", "0");
        Click(view, "ok");
    });
    ASSERT_TRUE(solver.SetParameters());
    EXPECT_EQ(doc.GetParameterBlock(0).GetParameter(1), 2);

    doc.SetSolverSetting(TavWorkbench::SolverSetting::GuidedLocalSearch);
    script.Then("GLSDialog", [](QDialog& view) {
        Type(view, "seed", "7");
        Tick(view, "learning");
        Click(view, "ok");
    });
    ASSERT_TRUE(solver.SetParameters());
    EXPECT_EQ(doc.GetParameterBlock(1).GetParameter(5), 7);
    EXPECT_EQ(doc.GetParameterBlock(1).GetParameter(3), 0);

    doc.SetSolverSetting(TavWorkbench::SolverSetting::TabuSearch);
    script.Then("TabuDlg", [](QDialog& view) {
        Type(view, "maximum", "9");
        Click(view, "ok");
    });
    ASSERT_TRUE(solver.SetParameters());
    EXPECT_EQ(doc.GetParameterBlock(3).GetParameter(2), 9);

    doc.SetSolverSetting(TavWorkbench::SolverSetting::Expert);
    script.Then("ExpertDlg", [](QDialog& view) {
        EXPECT_EQ(Find<QListWidget>(view, "ordering")->count(), 4);
        Click(view, "clearStats");
        Type(view, "timeLimit", "30");
        Click(view, "ok");
    });
    ASSERT_TRUE(solver.SetParameters());
    EXPECT_EQ(doc.GetEngineInterval(), 30);

    QWidget frame;
    auto* stats = new CStatsDlg(&frame);
    bool closed = false;
    QObject::connect(stats, &CStatsDlg::closed, [&closed] { closed = true; });
    stats->SetStatsText("Algorithm: GFC\r\nTime taken (CPU seconds): 0");
    EXPECT_EQ(stats->Text(), "Algorithm: GFC\nTime taken (CPU seconds): 0");
    stats->show();
    Click(*stats, "ok");
    EXPECT_TRUE(closed);
}

TEST_F(ViewsTest, SendMoreMoneyFromAnEmptyDocument) {
    doc.OnNewDocument();
    script.Then("CTypeSelDlg", [](QDialog& view) {
        Find<QComboBox>(view, "dataType")->setCurrentIndex(0);
        Click(view, "ok");
    });
    script.Then("CNumDlg", [](QDialog& view) {
        Type(view, "id", "Digit");
        Type(view, "min", "0");
        Type(view, "max", "9");
        Click(view, "ok");
    });
    ASSERT_TRUE(actions.AddDomain().changed);
    script.Then("CNewVarDlg", [](QDialog& view) {
        QTest::keyClicks(Find<QLineEdit>(view, "id"), "S,E,N,D,M,O,R,Y");
        DoubleClickRow(view, "domains", "Digit ");
        Click(view, "ok");
    });
    ASSERT_TRUE(actions.AddVariable().changed);
    const std::vector<std::pair<QString, QString>> constraints{
        {"distinct", "AllDifferent([S,E,N,D,M,O,R,Y]);"},
        {"leadS", "S <> 0;"},
        {"leadM", "M <> 0;"},
        {"words", "ScalProd([S,E,N,D,M,O,R,E,M,O,N,E,Y],\n"
                  "[1000,100,10,1,1000,100,10,1,-10000,-1000,-100,-10,-1]) = 0;"},
    };
    for (const auto& [id, text] : constraints) {
        script.Then("CExpDlg", [id = id, text = text](QDialog& view) {
            QTest::keyClicks(Find<QLineEdit>(view, "id"), id);
            TypeLines(Find<QPlainTextEdit>(view, "text"), text);
            Click(view, "ok");
        });
        ASSERT_TRUE(actions.AddConstraint().changed);
    }
    TavWorkbench::HeadlessSolveDriver driver(doc);
    const auto outcome = driver.Run(1);
    ASSERT_TRUE(outcome.started) << doc.GetLastParseError();
    ASSERT_EQ(outcome.found, 1);
    std::string send, money;
    for (const char* letter : {"S", "E", "N", "D"})
        send += doc.GetSolutions().GetValue(letter, 0);
    for (const char* letter : {"M", "O", "N", "E", "Y"})
        money += doc.GetSolutions().GetValue(letter, 0);
    EXPECT_EQ(send, "9567");
    EXPECT_EQ(money, "10652");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
