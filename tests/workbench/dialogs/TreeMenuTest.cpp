// The dialogs opened from the problem tree's right-click menu, offscreen: each element is added,
// edited, cloned and deleted through the menu and its dialogs, the tree follows, and the
// problem still parses and solves; SEND+MORE=MONEY is stated and solved from an empty document.

#include "DialogTestSupport.hpp"
#include "ViewScript.hpp"

#include "../TempFolder.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/SolveSession.hpp"
#include "workbench/dialogs/widgets/CExpDlg.hpp"
#include "workbench/dialogs/widgets/DialogActionsProvider.hpp"
#include "workbench/model/ProblemText.hpp"
#include "workbench/ui/CDavView.hpp"
#include "workbench/ui/QtSolveClock.hpp"
#include "workbench/ui/RunEventPump.hpp"
#include "workbench/ui/StatisticsWindow.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace TavDialogs;
using TavWorkbench::ProblemTree;

namespace {

class TreeMenuTest : public ::testing::Test {
protected:
    TreeMenuTest() {
        doc.OnNewDocument();
        auto owned = std::make_unique<DialogActionsProvider>(&messages);
        provider = owned.get();
        providers.Add(std::move(owned));
        script = std::make_unique<ViewScript>(provider->Host());
        view.SetFrameHooks([this] { modified = true; },
                           [this] {
                               TavWorkbench::CommandContext context = TavWorkbench::DocumentContext(doc);
                               context.provided = providers.Provided();
                               return context;
                           });
        view.BuildTree("Untitled");
        view.resize(500, 900);
        view.show();
        view.expandAll();
    }

    // The first item showing `text` (of `kind` when one is given).
    const ProblemTree::Item* ItemNamed(const std::string& text,
                                       std::optional<ProblemTree::ItemKind> kind = {}) {
        const ProblemTree::Item* found = nullptr;
        view.Tree().ForEach([&](const ProblemTree::Item& item) {
            if (found == nullptr && item.text == text && (!kind || item.Kind() == *kind)) found = &item;
        });
        return found;
    }

    // Right-clicks the item showing `itemText` and chooses `entry` from the menu.
    void Choose(const std::string& itemText, const QString& entry,
                std::optional<ProblemTree::ItemKind> kind = {}) {
        view.expandAll();
        const ProblemTree::Item* item = ItemNamed(itemText, kind);
        ASSERT_NE(item, nullptr) << itemText;
        const QModelIndex index = view.Model().IndexOf(item);
        view.scrollTo(index);
        const QPoint at = view.visualRect(index).center();
        bool chosen = false;
        QTimer::singleShot(0, &view, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions())
                if (action->text() == entry) {
                    EXPECT_TRUE(action->isEnabled()) << entry.toStdString();
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    chosen = true;
                    return;
                }
            ADD_FAILURE() << "no menu entry " << entry.toStdString();
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
        QApplication::sendEvent(view.viewport(), &event);
        EXPECT_TRUE(chosen) << entry.toStdString();
    }

    std::vector<std::string> Children(const char* group) {
        std::vector<std::string> texts;
        if (const ProblemTree::Item* node = view.Tree().Group(group))
            for (const auto& child : node->children)
                texts.push_back(child->text);
        return texts;
    }

    // Solves for the first solution as the frame's solve command does.
    int SolveFirst() {
        session.Start(doc.GetSolveSettings(1));
        EXPECT_TRUE(QTest::qWaitFor([this] { return !doc.IsSolving(); }, 60000));
        return doc.GetSolutions().IsEmpty() ? 0 : static_cast<int>(doc.GetSolutions()[0]->GetValues().size());
    }

    // Answers Add Domain's two dialogs: an integer domain "Digit" of 0 to 9.
    void ScriptDigitDomain() {
        script->Then("CTypeSelDlg", [](QDialog& dialog) {
            Find<QComboBox>(dialog, "dataType")->setCurrentIndex(0);
            Click(dialog, "ok");
        });
        script->Then("CNumDlg", [](QDialog& dialog) {
            Type(dialog, "id", "Digit");
            Type(dialog, "min", "0");
            Type(dialog, "max", "9");
            Click(dialog, "ok");
        });
    }

    TempFolder folder;
    RecordingDialogMessages messages;
    TavWorkbench::CTavDoc doc{&messages, folder.Path()};
    TavWorkbench::Ui::ActionProviders providers;
    DialogActionsProvider* provider = nullptr;
    std::unique_ptr<ViewScript> script;
    TavWorkbench::Ui::CDavView view{doc, providers};
    TavWorkbench::Ui::QtSolveClock clock;
    TavWorkbench::SolveSession session{doc, clock};
    TavWorkbench::Ui::RunEventPump pump{doc, session};
    bool modified = false;
};

void TypeOver(QPlainTextEdit* edit, const QString& placeholder, const QString& text) {
    for (QTextCursor found = edit->document()->find(placeholder); !found.isNull();
         found = edit->document()->find(placeholder)) {
        edit->setTextCursor(found);
        QTest::keyClicks(edit, text);
    }
}

TEST_F(TreeMenuTest, EveryKindAddedEditedClonedAndDeleted) {
    // A new integer domain.
    ScriptDigitDomain();
    Choose("Domains", "Add Domain");
    EXPECT_EQ(Children("Domains"), (std::vector<std::string>{"TrueFalse", "RealDomain", "Digit"}));
    EXPECT_TRUE(modified);

    // A set constant.
    script->Then("CConstDlg", [](QDialog& dialog) {
        Type(dialog, "id", "Odd");
        Type(dialog, "set", "1,3,5");
        Click(dialog, "ok");
    });
    Choose("Constants", "Add Set/List Constant ");
    ASSERT_NE(ItemNamed("Odd", ProblemTree::ItemKind::Constant), nullptr);
    script->Then("CIntConst", [](QDialog& dialog) {
        Type(dialog, "id", "N");
        Type(dialog, "value", "3");
        Click(dialog, "ok");
    });
    Choose("Constants", "Add Integer Constant");

    // An array variable with two dimensions.
    script->Then("CNewVarDlg", [](QDialog& dialog) {
        QTest::keyClicks(Find<QLineEdit>(dialog, "id"), "grid");
        DoubleClickRow(dialog, "domains", "Digit ");
        Tick(dialog, "array");
        QTest::keyClicks(Find<QLineEdit>(dialog, "dimensions"), "2,3");
        Click(dialog, "ok");
    });
    Choose("Variables", "Add Variable");
    EXPECT_EQ(Children("Variables"), std::vector<std::string>{"grid"});
    EXPECT_EQ(doc.GetVariables()[0]->GetModelText(), "IntVar grid[2][3]::Digit;");
    ASSERT_NE(ItemNamed("Used by Variables"), nullptr);

    // A constraint built from the Forall template.
    script->Then("CExpDlg", [](QDialog& dialog) {
        auto& builder = static_cast<CExpDlg&>(dialog);
        QTest::keyClicks(Find<QLineEdit>(dialog, "id"), "rows");
        Click(dialog, "forall");
        Find<QListWidget>(*builder.ForallDialog(), "templates")->setCurrentRow(0);
        Click(*builder.ForallDialog(), "apply");
        auto* text = Find<QPlainTextEdit>(dialog, "text");
        TypeOver(text, QStringLiteral("\u00ABmax\u00BB"), QStringLiteral("1"));
        text->moveCursor(QTextCursor::End);
        TypeLines(text, "\n{\nAllDifferent([grid[i][0], grid[i][1], grid[i][2]]);\n}");
        Click(dialog, "ok");
    });
    Choose("Variables", "Add Constraint");
    EXPECT_EQ(Children("Constraints"), std::vector<std::string>{"rows"});
    ASSERT_NE(ItemNamed("Variables Constrained & Constants used"), nullptr);

    // Variables: clone, edit, delete.
    script->Then("CCopyVarDlg", [](QDialog& dialog) {
        QTest::keyClicks(Find<QLineEdit>(dialog, "newID"), "spare");
        Click(dialog, "ok");
    });
    Choose("grid", "Clone Variable", ProblemTree::ItemKind::Variable);
    EXPECT_EQ(Children("Variables"), (std::vector<std::string>{"grid", "spare"}));
    script->Then("CNewVarDlg", [](QDialog& dialog) {
        Type(dialog, "id", "extra");
        Tick(dialog, "array");
        Click(dialog, "ok");
    });
    Choose("spare", "Edit Variable", ProblemTree::ItemKind::Variable);
    EXPECT_EQ(Children("Variables"), (std::vector<std::string>{"grid", "extra"}));
    EXPECT_EQ(doc.GetVariables()[1]->GetModelText(), "IntVar extra::Digit;");
    messages.boxes.clear();
    Choose("grid", "Delete Variable", ProblemTree::ItemKind::Variable);
    EXPECT_EQ(messages.Only().text, "Cannot Delete - grid in use by a Constraint");
    messages.answers = {true};
    Choose("extra", "Delete Variable", ProblemTree::ItemKind::Variable);
    EXPECT_EQ(Children("Variables"), std::vector<std::string>{"grid"});

    // Domains: edit, delete (an unused one).
    script->Then("CNumDlg", [](QDialog& dialog) {
        Type(dialog, "max", "8");
        Click(dialog, "ok");
    });
    Choose("Digit", "Edit Domain", ProblemTree::ItemKind::Domain);
    EXPECT_EQ(doc.GetDomains()[2]->GetModelText(), "[0,8];");
    messages.boxes.clear();
    Choose("Digit", "Delete Domain", ProblemTree::ItemKind::Domain);
    EXPECT_EQ(messages.Only().text, "Cannot delete, in Use by\ngrid\n");
    messages.answers = {true};
    Choose("RealDomain", "Delete Domain", ProblemTree::ItemKind::Domain);
    EXPECT_EQ(messages.boxes.back().text, "System Domain - Can't Delete");
    // A set domain that nothing uses goes.
    script->Then("CTypeSelDlg", [](QDialog& dialog) {
        Find<QComboBox>(dialog, "dataType")->setCurrentIndex(1);
        Click(dialog, "ok");
    });
    script->Then("CSetDlg", [](QDialog& dialog) {
        Type(dialog, "id", "Pair");
        for (const char* value : {"2", "1"}) {
            Type(dialog, "newValue", value);
            Click(dialog, "add");
        }
        Click(dialog, "ok");
    });
    Choose("Domains", "Add Domain");
    EXPECT_EQ(TavWorkbench::DomainLine(*doc.GetDomains()[3]), "SetDom Pair={1,2} ;");
    messages.boxes.clear();
    messages.answers = {true};
    Choose("Pair", "Delete Domain", ProblemTree::ItemKind::Domain);
    EXPECT_EQ(messages.Only(), (Box{"Delete Domain: Pair", "", true}));
    EXPECT_EQ(Children("Domains"), (std::vector<std::string>{"TrueFalse", "RealDomain", "Digit"}));

    // Constants: edit, delete.
    script->Then("CConstDlg", [](QDialog& dialog) {
        Type(dialog, "set", "1,3,5,7");
        Click(dialog, "ok");
    });
    Choose("Odd", "Edit Constant", ProblemTree::ItemKind::Constant);
    ASSERT_NE(ItemNamed("1,3,5,7"), nullptr);
    messages.answers = {true};
    Choose("Odd", "Delete Constant", ProblemTree::ItemKind::Constant);
    EXPECT_EQ(ItemNamed("Odd", ProblemTree::ItemKind::Constant), nullptr);

    // Constraints: edit, then a second one deleted.
    script->Then("CExpDlg", [](QDialog& dialog) {
        Type(dialog, "id", "rowsDiffer");
        Click(dialog, "ok");
    });
    Choose("rows", "Edit Constraint", ProblemTree::ItemKind::Constraint);
    EXPECT_EQ(Children("Constraints"), std::vector<std::string>{"rowsDiffer"});
    script->Then("CExpDlg", [](QDialog& dialog) {
        QTest::keyClicks(Find<QLineEdit>(dialog, "id"), "corner");
        QTest::keyClicks(Find<QPlainTextEdit>(dialog, "text"), "grid[0][0] = N;");
        Click(dialog, "ok");
    });
    Choose("Constraints", "Add Constraint");
    messages.answers = {true};
    Choose("rowsDiffer", "Delete Constraint", ProblemTree::ItemKind::Constraint);
    EXPECT_EQ(Children("Constraints"), std::vector<std::string>{"corner"});
    ASSERT_EQ(doc.GetConstraints().GetSize(), 1);

    // The unused predefined real domain goes with Delete Unused Domains.
    messages.boxes.clear();
    view.RunElementCommand(TavWorkbench::CommandId::DeleteUnusedDomains);
    EXPECT_EQ(messages.Only().text, "1 Domain(s) were deleted");
    EXPECT_EQ(Children("Domains"), (std::vector<std::string>{"TrueFalse", "Digit"}));

    // The problem still parses and solves.
    messages.boxes.clear();
    EXPECT_EQ(SolveFirst(), 1) << doc.GetLastParseError();
    EXPECT_EQ(doc.GetSolutions().GetValue("grid[0][0]", 0), "3");
}

TEST_F(TreeMenuTest, SendMoreMoneyFromAnEmptyDocument) {
    ScriptDigitDomain();
    Choose("Untitled", "Add Domain");
    script->Then("CNewVarDlg", [](QDialog& dialog) {
        QTest::keyClicks(Find<QLineEdit>(dialog, "id"), "S,E,N,D,M,O,R,Y");
        DoubleClickRow(dialog, "domains", "Digit ");
        Click(dialog, "ok");
    });
    Choose("Untitled", "Add Variable");
    const std::vector<std::pair<QString, QString>> constraints{
        {"distinct", "AllDifferent([S,E,N,D,M,O,R,Y]);"},
        {"leadS", "S <> 0;"},
        {"leadM", "M <> 0;"},
        {"words", "ScalProd([S,E,N,D,M,O,R,E,M,O,N,E,Y],\n"
                  "[1000,100,10,1,1000,100,10,1,-10000,-1000,-100,-10,-1]) = 0;"},
    };
    for (const auto& [id, text] : constraints) {
        script->Then("CExpDlg", [id = id, text = text](QDialog& dialog) {
            QTest::keyClicks(Find<QLineEdit>(dialog, "id"), id);
            TypeLines(Find<QPlainTextEdit>(dialog, "text"), text);
            Click(dialog, "ok");
        });
        Choose("Constraints", "Add Constraint");
    }
    EXPECT_EQ(Children("Constraints").size(), 4u);
    ASSERT_EQ(SolveFirst(), 1) << doc.GetLastParseError();
    std::string send, money;
    for (const char* letter : {"S", "E", "N", "D"})
        send += doc.GetSolutions().GetValue(letter, 0);
    for (const char* letter : {"M", "O", "N", "E", "Y"})
        money += doc.GetSolutions().GetValue(letter, 0);
    EXPECT_EQ(send, "9567");
    EXPECT_EQ(money, "10652");
}

TEST_F(TreeMenuTest, TheStatisticsWindowGoesWhenClosed) {
    TavWorkbench::Ui::StatisticsWindow* window = provider->OpenStatisticsWindow(&view);
    ASSERT_NE(window, nullptr);
    QPointer<QWidget> widget = window->Widget();
    window->SetStatsText("Algorithm: GFC\r\n");
    widget->show();
    widget->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(widget.isNull());
}

} // namespace
