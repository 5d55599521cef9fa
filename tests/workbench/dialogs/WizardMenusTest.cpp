// The templates, wizards, spreadsheet import and model printing reached from the main frame's
// menus with the real provider, offscreen. Each window the commands open is handed to the next
// step of a script as it is shown; message boxes are recorded and answered.
#include "../ExampleDocs.hpp"
#include "../TempFolder.hpp"
#include "../ui/EventLoopWait.hpp"
#include "../ui/ScriptedPrompts.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/dialogs/widgets/DialogActionsProvider.hpp"
#include "workbench/dialogs/widgets/NumberGrid.hpp"
#include "workbench/dialogs/widgets/WizardActionsProvider.hpp"
#include "workbench/ui/ActionProviders.hpp"
#include "workbench/ui/CDavView.hpp"
#include "workbench/ui/CMainFrame.hpp"
#include "workbench/ui/CSplashWnd.hpp"
#include "workbench/ui/CTavView.hpp"
#include "workbench/ui/TitleWidth.hpp"
#include "workbench/views/ProblemTree.hpp"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <functional>
#include <set>

using namespace TavWorkbench;

namespace {

// Hands each dialog to the next step when it is shown; message boxes are answered with their
// default button and their texts kept.
class ShownDialogs : public QObject {
public:
    using Step = std::function<void(QDialog&)>;
    ShownDialogs() { qApp->installEventFilter(this); }
    ~ShownDialogs() override {
        qApp->removeEventFilter(this);
        EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " steps left";
    }
    void Then(const char* viewClass, Step step) { m_steps.push_back({viewClass, std::move(step)}); }
    std::vector<std::string> boxes;
    std::vector<QMessageBox::Icon> icons;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show) return false;
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog == nullptr || !dialog->isModal()) return false;
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            boxes.push_back(box->text().toStdString());
            icons.push_back(box->icon());
            QTimer::singleShot(0, box,
                               [box] { box->done(box->defaultButton() != nullptr ? QMessageBox::Yes : 0); });
            return false;
        }
        const std::string name = dialog->metaObject()->className();
        if (m_steps.empty() || "TavDialogs::" + m_steps.front().first != name) {
            ADD_FAILURE() << "unexpected " << name;
            QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
            return false;
        }
        Step step = std::move(m_steps.front().second);
        m_steps.pop_front();
        QTimer::singleShot(0, dialog, [dialog, step = std::move(step), name] {
            EXPECT_GE(dialog->width(), Ui::TitleWidth(*dialog)) << name << " cuts its title";
            step(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << name << " stayed open";
                dialog->reject();
            }
        });
        return false;
    }

private:
    std::deque<std::pair<std::string, Step>> m_steps;
};

void Click(QWidget& view, const char* name) {
    auto* button = view.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

struct MenusFixture {
    TempFolder folder;
    ScriptedPrompts prompts;
    Ui::ActionProviders providers;
    std::unique_ptr<CTavDoc> doc;
    std::unique_ptr<Ui::CMainFrame> frame;

    MenusFixture() {
        providers.Add(std::make_unique<TavDialogs::DialogActionsProvider>());
        providers.Add(std::make_unique<TavDialogs::WizardActionsProvider>());
        Ui::CSplashWnd::EnableSplashScreen(false);
        doc = std::make_unique<CTavDoc>(&prompts, folder.Path());
        doc->OnNewDocument();
        frame = std::make_unique<Ui::CMainFrame>(*doc, prompts, providers, nullptr, nullptr);
        frame->show();
    }
    ~MenusFixture() {
        frame.reset();
        doc.reset();
    }
};

TEST(WizardMenus, UseTemplateNamesTheProblemAndRebuildsTheTree) {
    MenusFixture f;
    ShownDialogs shown;
    ASSERT_TRUE(f.frame->Action(CommandId::UseTemplate)->isEnabled());
    shown.Then("CTemplateDlg", [](QDialog& view) {
        // The entry the focus made current (Qt does not select it) is the one OK takes.
        auto* list = view.findChild<QListWidget*>("templates");
        list->selectionModel()->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::NoUpdate);
        Click(view, "ok");
    });
    shown.Then("CQueenDlg", [](QDialog& view) {
        auto* queens = view.findChild<QLineEdit*>("queens");
        queens->selectAll();
        QTest::keyClicks(queens, "6");
        Click(view, "ok");
    });
    ASSERT_TRUE(f.frame->OnCommand(CommandId::UseTemplate));
    EXPECT_EQ(f.doc->GetConstants()[0]->GetIntValue(), 6);
    EXPECT_EQ(f.frame->TreeView().Tree().Root()->text, "Queens Problem");
    EXPECT_EQ(f.frame->windowTitle(), "Queens Problem - Tav");
    EXPECT_TRUE(f.frame->Action(CommandId::FirstSolution)->isEnabled());
}

// As a user does it: complete search's thrashing check turned off (by default it may end a search
// early), Use Template, N Queens with the offered 8, then All Solutions in the grid.
TEST(WizardMenus, EightQueensFromUseTemplateSolvesToNinetyTwo) {
    MenusFixture f;
    ShownDialogs shown;
    shown.Then("FCDialog", [](QDialog& view) {
        auto* threshold = view.findChild<QLineEdit*>("threshold");
        threshold->selectAll();
        QTest::keyClicks(threshold, "0");
        Click(view, "ok");
    });
    ASSERT_TRUE(f.frame->OnCommand(CommandId::SetParameters));
    EXPECT_EQ(f.doc->GetParameterBlock(0).GetParameter(2), 0);
    shown.Then("CTemplateDlg", [](QDialog& view) {
        auto* list = view.findChild<QListWidget*>("templates");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        Click(view, "ok");
    });
    shown.Then("CQueenDlg", [](QDialog& view) {
        EXPECT_EQ(view.findChild<QLineEdit*>("queens")->text(), "8");
        Click(view, "ok");
    });
    ASSERT_TRUE(f.frame->OnCommand(CommandId::UseTemplate));
    EXPECT_TRUE(shown.boxes.empty()) << shown.boxes.front();
    ASSERT_TRUE(f.frame->OnCommand(CommandId::ViewGrid));
    ASSERT_TRUE(f.frame->OnCommand(CommandId::AllSolutions));
    ASSERT_TRUE(WaitFor([&] { return !f.doc->IsSolving(); }));

    const QAbstractItemModel* grid = f.frame->ResultsView().Table()->model();
    ASSERT_EQ(grid->columnCount(), 92);
    ASSERT_EQ(grid->rowCount(), 8);
    // The problem text is read without regard to case: the results name the array in lower case.
    EXPECT_EQ(grid->headerData(0, Qt::Vertical).toString(), "row[0]");
    std::set<std::vector<int>> distinct;
    for (int c = 0; c < 92; ++c) {
        std::vector<int> rows;
        for (int r = 0; r < 8; ++r)
            rows.push_back(grid->index(r, c).data().toString().toInt());
        for (int i = 0; i < 8; ++i)
            for (int j = i + 1; j < 8; ++j)
                EXPECT_TRUE(rows[i] != rows[j] && std::abs(rows[i] - rows[j]) != j - i)
                    << "solution " << c + 1;
        distinct.insert(rows);
    }
    EXPECT_EQ(distinct.size(), 92u);
}

// The constraint builder's texts as a user reads them: its label spelled right, a constraint that
// checks reported with an information icon and one that does not with an error icon.
TEST(WizardMenus, TheConstraintBuildersBoxesCarryTheirIcons) {
    MenusFixture f;
    ExampleDocs::Queens(f.doc->GetModel(), 4);
    f.frame->TreeView().BuildTree(f.frame->Title());
    ShownDialogs shown;
    shown.Then("CExpDlg", [](QDialog& view) {
        EXPECT_EQ(view.findChild<QLabel*>("textLabel")->text(), "Constraint");
        QTest::keyClicks(view.findChild<QLineEdit*>("id"), "c");
        auto* text = view.findChild<QPlainTextEdit*>("text");
        QTest::keyClicks(text, "q[0] <> q[1];");
        Click(view, "check");
        text->selectAll();
        QTest::keyClicks(text, "q[0] <> ;");
        Click(view, "check");
        Click(view, "cancel");
    });
    ASSERT_TRUE(f.frame->OnCommand(CommandId::AddConstraint));
    ASSERT_EQ(shown.boxes.size(), 2u);
    EXPECT_EQ(shown.boxes[0], "Constraint OK");
    EXPECT_EQ(shown.icons[0], QMessageBox::Information);
    EXPECT_NE(shown.boxes[1].find("line 1"), std::string::npos) << shown.boxes[1];
    EXPECT_EQ(shown.icons[1], QMessageBox::Critical);
}

// Every command that puts a new problem in place of the document asks to save a changed one
// first, as File/New does: Cancel leaves the document as it was and opens nothing.
TEST(WizardMenus, CommandsThatReplaceTheProblemAskToSaveItFirst) {
    const std::pair<CommandId, const char*> commands[] = {
        {CommandId::UseTemplate, "CTemplateDlg"},      {CommandId::ProblemWizard, "CTavWizard"},
        {CommandId::LinearWizard, "CLPStartDlg"},      {CommandId::TransportationWizard, "CTransNumDlg"},
        {CommandId::AssignmentWizard, "CTransNumDlg"},
    };
    for (const auto& [id, firstDialog] : commands) {
        SCOPED_TRACE(firstDialog);
        MenusFixture f;
        ExampleDocs::Tiny(f.doc->GetModel());
        f.frame->TreeView().BuildTree(f.frame->Title());
        f.frame->SetModified();
        ShownDialogs shown;
        f.prompts.saveAnswer = Ui::UiPrompts::SaveAnswer::Cancel;
        ASSERT_TRUE(f.frame->OnCommand(id));
        EXPECT_EQ(f.prompts.asked, (std::vector<std::string>{"Save changes to Untitled?"}));
        EXPECT_EQ(f.doc->GetVariables().GetSize(), 1);
        EXPECT_TRUE(f.frame->IsModified());
        // Without saving, the command goes on to its first dialog.
        f.prompts.saveAnswer = Ui::UiPrompts::SaveAnswer::Discard;
        shown.Then(firstDialog, [](QDialog& view) { view.reject(); });
        ASSERT_TRUE(f.frame->OnCommand(id));
        EXPECT_EQ(f.prompts.asked.size(), 2u);
    }
}

// Saved first, the document's file keeps the old problem; the template's problem is a new one
// with no file, and the results of the old one are gone.
TEST(WizardMenus, ATemplateAfterSavingLeavesTheFileAndClearsTheResults) {
    MenusFixture f;
    ExampleDocs::Tiny(f.doc->GetModel());
    f.frame->TreeView().BuildTree(f.frame->Title());
    ASSERT_TRUE(f.frame->OnCommand(CommandId::FirstSolution));
    ASSERT_TRUE(WaitFor([&] { return !f.doc->IsSolving(); }));
    ASSERT_TRUE(f.frame->OnCommand(CommandId::ViewGrid));
    ASSERT_EQ(f.frame->ResultsView().Table()->model()->headerData(0, Qt::Horizontal).toString(),
              "Solution 1");
    f.frame->SetModified();
    f.prompts.saveAnswer = Ui::UiPrompts::SaveAnswer::Save;
    f.prompts.saveFile = f.folder / "mine.tav";
    ShownDialogs shown;
    shown.Then("CTemplateDlg", [](QDialog& view) {
        view.findChild<QListWidget*>("templates")->setCurrentRow(0);
        Click(view, "ok");
    });
    shown.Then("CQueenDlg", [](QDialog& view) { Click(view, "ok"); });
    ASSERT_TRUE(f.frame->OnCommand(CommandId::UseTemplate));
    CTavDoc saved(&f.prompts, f.folder.Path());
    saved.OnOpenDocument(f.folder / "mine.tav");
    EXPECT_EQ(saved.GetVariables()[0]->GetID(), "v");
    EXPECT_EQ(f.doc->GetVariables()[0]->GetID(), "Row");
    EXPECT_TRUE(f.frame->Path().empty());
    EXPECT_EQ(f.frame->StatusText(0), Ui::CMainFrame::kReady) << "the last run's words are gone too";
    EXPECT_EQ(f.frame->Title(), "Queens Problem");
    EXPECT_TRUE(f.frame->IsModified());
    const QAbstractItemModel* grid = f.frame->ResultsView().Table()->model();
    for (int c = 0; c < grid->columnCount(); ++c) {
        EXPECT_EQ(grid->headerData(c, Qt::Horizontal).toString(), "");
        for (int r = 0; r < grid->rowCount(); ++r)
            EXPECT_EQ(grid->index(r, c).data().toString(), "") << r << "," << c;
    }
    std::vector<TavViewModel::ListLine> lines;
    {
        const auto lock = f.doc->LockSolutions();
        lines = f.frame->ResultsView().ViewModel().ListLines(f.doc->GetSolutions());
    }
    EXPECT_TRUE(lines.empty());
}

TEST(WizardMenus, LinearWizardCancelledLeavesTheDocument) {
    MenusFixture f;
    ShownDialogs shown;
    shown.Then("CLPStartDlg", [](QDialog& view) { Click(view, "cancel"); });
    ASSERT_TRUE(f.frame->OnCommand(CommandId::LinearWizard));
    EXPECT_TRUE(f.doc->GetVariables().IsEmpty());
}

TEST(WizardMenus, SpreadsheetImportAddsAListConstant) {
    MenusFixture f;
    ShownDialogs shown;
    QApplication::clipboard()->setText("1\t2\n3\t4\n");
    shown.Then("CGetExcelDataDlg", [](QDialog& view) {
        Click(view, "ok");
        Click(view, "importClipboard");
        QTest::keyClicks(view.findChild<QLineEdit*>("id"), "Block");
        Click(view, "ok");
    });
    ASSERT_TRUE(f.frame->Action(CommandId::GetDataFromExcel)->isEnabled());
    ASSERT_TRUE(f.frame->OnCommand(CommandId::GetDataFromExcel));
    EXPECT_EQ(shown.boxes, std::vector<std::string>{"ID required"});
    ASSERT_EQ(f.doc->GetConstants().GetSize(), 1);
    EXPECT_EQ(f.doc->GetConstants()[0]->GetModelText(), "Block := [[1,2],[3,4]];");
    const ProblemTree& tree = f.frame->TreeView().Tree();
    bool listed = false;
    tree.ForEach([&](const ProblemTree::Item& item) { listed = listed || item.text == "Block"; });
    EXPECT_TRUE(listed);
}

TEST(WizardMenus, ModelPrintingIsInTheFileMenu) {
    MenusFixture f;
    EXPECT_EQ(f.frame->Action(CommandId::PrintModel)->text(), "Print &Model...");
    EXPECT_TRUE(f.frame->Action(CommandId::PrintModelPreview)->isEnabled());
}

} // namespace
