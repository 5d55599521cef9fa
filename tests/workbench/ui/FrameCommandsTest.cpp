// The frame's commands around the solve: the tree's pop-up menu per kind of item, commands
// waiting for a provider or the server, the small dialogs through a provider (search time,
// solution count, totals), the statistics window's placement, the splash, Play Demo and the
// recent-file list.

#include "FrameFixture.hpp"

#include "workbench/ui/ExternalSolvers.hpp"
#include "workbench/ui/RecentFileList.hpp"
#include "workbench/views/ProblemTree.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace TavWorkbench;
using namespace TavWorkbench::Ui;

namespace {

std::vector<std::string> Texts(const std::vector<MenuEntry>& entries) {
    std::vector<std::string> texts;
    for (const MenuEntry& entry : entries)
        texts.push_back(entry.text);
    return texts;
}

// The centre of an item's row in the tree's viewport.
QPoint CentreOf(CDavView& view, const ProblemTree::Item* item) {
    return view.visualRect(view.Model().IndexOf(item)).center();
}

const std::vector<std::string> kAddEntries = {"Add Variable",         "Add Domain",
                                              "Add Integer Constant", "Add Set/List Constant ",
                                              "Add Constraint",       "Optimisation"};

} // namespace

TEST(FrameCommands, PopUpMenuFollowsTheItemsKind) {
    FrameFixture f({CommandId::EditConstant, CommandId::AddConstraint});
    ASSERT_TRUE(f.frame->OpenDocument(f.SaveQueens("queens.tav")));
    CDavView& view = f.Tree();
    view.expandAll();
    ProblemTree& tree = view.Tree();

    // The variable's domain line stands for nothing: the add entries only.
    const ProblemTree::Item* variable = tree.FindChildItem("q", tree.Group(ProblemTree::kVariables));
    ASSERT_NE(variable, nullptr);
    EXPECT_EQ(Texts(view.ActionsAt(CentreOf(view, variable->Child(0)))), kAddEntries);
    std::vector<std::string> expected = kAddEntries;
    expected.insert(expected.end(), {"Clone Variable", "Edit Variable", "Delete Variable"});
    EXPECT_EQ(Texts(view.ActionsAt(CentreOf(view, variable))), expected);

    // A constant: its two actions; only the provided ones are enabled.
    const ProblemTree::Item* constant =
        tree.FindChildItem("N", tree.FindChildItem("Integer Constants", tree.Group(ProblemTree::kConstants)));
    ASSERT_NE(constant, nullptr);
    const std::vector<MenuEntry> entries = view.ActionsAt(CentreOf(view, constant));
    ASSERT_EQ(entries.size(), 8u);
    EXPECT_EQ(entries[6].text, "Edit Constant");
    EXPECT_TRUE(entries[6].enabled);
    EXPECT_EQ(entries[7].text, "Delete Constant");
    EXPECT_FALSE(entries[7].enabled);
    EXPECT_TRUE(entries[4].enabled) << "Add Constraint with variables present";
    view.RunElementCommand(CommandId::EditConstant);
    ASSERT_EQ(f.provider->calls.size(), 1u);
    EXPECT_EQ(f.provider->calls[0].kind, ProblemTree::ItemKind::Constant);
    EXPECT_EQ(f.provider->calls[0].index, 0);

    // Empty space opens no menu and forgets the item.
    EXPECT_TRUE(view.ActionsAt(QPoint(5, view.viewport()->height() - 2)).empty());
    EXPECT_EQ(view.ActionItem(), nullptr);
}

TEST(FrameCommands, CommandsWaitingForAProviderOrTheServerAreGreyedAndSayWhy) {
    FrameFixture f;
    f.frame->UpdateCommandStates();
    for (CommandId id : {CommandId::AddVariable, CommandId::SetParameters, CommandId::ProblemWizard,
                         CommandId::UseTemplate, CommandId::LinearWizard, CommandId::ViewStatistics}) {
        QAction* action = f.frame->Action(id);
        ASSERT_NE(action, nullptr);
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
        EXPECT_EQ(action->statusTip().toStdString(), kNotInThisBuild);
    }
    for (CommandId id : {CommandId::ExternalSolver, CommandId::ViewExternalResults}) {
        EXPECT_FALSE(f.frame->Action(id)->isEnabled());
        EXPECT_EQ(f.frame->Action(id)->statusTip().toStdString(), kNoServerInThisBuild);
        EXPECT_FALSE(f.frame->OnCommand(id));
    }
    // Present in the menus nonetheless.
    EXPECT_EQ(f.frame->Action(CommandId::AddVariable)->text(), "&Variable");
    EXPECT_EQ(f.frame->Action(CommandId::FileSave)->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_TRUE(f.frame->OnCommand(CommandId::PlayDemo));
    EXPECT_EQ(f.prompts.shown, (std::vector<std::string>{"This feature is not currently available"}));
}

TEST(FrameCommands, SolverChoiceIsChecked) {
    FrameFixture f;
    ASSERT_TRUE(f.frame->OnCommand(CommandId::SolverTabu));
    EXPECT_EQ(f.doc->GetSolverSetting(), SolverSetting::TabuSearch);
    EXPECT_TRUE(f.frame->Action(CommandId::SolverTabu)->isChecked());
    EXPECT_FALSE(f.frame->Action(CommandId::SolverGFC)->isChecked());
    ASSERT_TRUE(f.frame->OnCommand(CommandId::SolverExpert));
    EXPECT_EQ(f.doc->GetSolverSetting(), SolverSetting::Expert);
}

TEST(FrameCommands, SearchTimeGoesThroughItsDialog) {
    FrameFixture f({CommandId::SearchTime});
    f.doc->SetSearchTimeLimit(std::chrono::milliseconds(330000));
    f.provider->minutes = 2;
    ASSERT_TRUE(f.frame->OnCommand(CommandId::SearchTime));
    EXPECT_EQ(f.provider->shownMinutes, 5);
    EXPECT_EQ(f.doc->GetSearchTimeLimit(), std::chrono::milliseconds(120000));
    f.provider->minutes.reset();
    ASSERT_TRUE(f.frame->OnCommand(CommandId::SearchTime));
    EXPECT_EQ(f.doc->GetSearchTimeLimit(), std::chrono::milliseconds(120000));
}

TEST(FrameCommands, AddTotalSumsTheChosenRows) {
    FrameFixture f({CommandId::AddTotal});
    ExampleDocs::Queens(f.doc->GetModel(), 4);
    f.frame->OnCommand(CommandId::ViewGrid);
    f.frame->OnCommand(CommandId::AllSolutions);
    ASSERT_TRUE(f.WaitUntilSolved());
    f.provider->totalRows = std::pair(1, 4);
    ASSERT_TRUE(f.frame->OnCommand(CommandId::AddTotal));
    EXPECT_EQ(f.provider->totalBounds, std::pair(1, 4));
    const QAbstractItemModel* grid = f.Results().Table()->model();
    ASSERT_EQ(grid->rowCount(), 5);
    EXPECT_EQ(grid->headerData(4, Qt::Vertical).toString(), "Total");
    // Each solution is a permutation of 0..3.
    EXPECT_EQ(grid->index(4, 0).data().toString(), "6");
    EXPECT_EQ(grid->index(4, 1).data().toString(), "6");
}

TEST(FrameCommands, StatisticsWindowSitsInTheFramesCorner) {
    FrameFixture f({CommandId::ViewStatistics});
    ASSERT_TRUE(f.frame->OnCommand(CommandId::ViewStatistics));
    StatisticsWindow* window = f.frame->OpenStatistics();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Widget()->frameGeometry().bottomRight(), f.frame->frameGeometry().bottomRight());
    // A second time: the same window, brought up.
    ASSERT_TRUE(f.frame->OnCommand(CommandId::ViewStatistics));
    EXPECT_EQ(f.frame->OpenStatistics(), window);
    EXPECT_EQ(f.provider->statisticsWindows, 1);
    f.frame->SetStatisticsText("Algorithm: GFC\r\n");
    EXPECT_TRUE(static_cast<FakeStatisticsWindow*>(window)->Text().startsWith("Algorithm: GFC"));
    // Closed, it is forgotten; the command opens a new one.
    window->Widget()->close();
    ASSERT_TRUE(WaitFor([&] { return f.frame->OpenStatistics() == nullptr; }));
    ASSERT_TRUE(f.frame->OnCommand(CommandId::ViewStatistics));
    EXPECT_EQ(f.provider->statisticsWindows, 2);
}

TEST(FrameCommands, SplashSwallowsTheFirstKey) {
    FrameFixture f;
    auto* edit = new QLineEdit(f.frame.get());
    edit->show();
    CSplashWnd::EnableSplashScreen(true);
    CSplashWnd::ShowSplashScreen(f.frame.get());
    CSplashWnd::EnableSplashScreen(false);
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(edit, &press);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    EXPECT_TRUE(edit->text().isEmpty());
    QKeyEvent again(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, "b");
    QCoreApplication::sendEvent(edit, &again);
    EXPECT_EQ(edit->text(), "b");
}

// The keys a desktop user reaches for, shown in the menus and working on the window.
TEST(FrameCommands, KeysADesktopUserExpects) {
    FrameFixture f;
    const std::pair<CommandId, const char*> keys[] = {
        {CommandId::AppExit, "Ctrl+Q"},
        {CommandId::FirstSolution, "F5"},
        {CommandId::StopSolving, "Shift+F5"},
    };
    for (const auto& [id, key] : keys)
        EXPECT_EQ(f.frame->Action(id)->shortcut().toString().toStdString(), key) << static_cast<int>(id);

    ExampleDocs::Tiny(f.doc->GetModel());
    f.Tree().BuildTree(f.frame->Title());
    f.frame->UpdateCommandStates();
    f.frame->activateWindow();
    ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == f.frame.get(); }));
    QTest::keyClick(f.frame.get(), Qt::Key_F5);
    ASSERT_TRUE(f.WaitUntilSolved());
    {
        const auto lock = f.doc->LockSolutions();
        EXPECT_EQ(f.doc->GetSolutions().GetSize(), 1) << "F5 found the first solution";
    }
    QTest::keyClick(f.frame.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(f.frame->isVisible()) << "Ctrl+Q closed the window";
}

// A parameter changed in Set Parameters is not lost without a word at exit: the user is asked,
// Yes writes "Params.ini", No leaves it; unchanged parameters ask nothing.
TEST(FrameCommands, ExitAsksToSaveChangedParameters) {
    const auto thresholdInFile = [](const FrameFixture& f) {
        CTavDoc reread(nullptr, f.folder.Path());
        return reread.GetParameterBlock(0).GetParameter(2);
    };
    for (const bool yes : {true, false}) {
        FrameFixture f;
        f.frame->close();
        EXPECT_TRUE(f.prompts.asked.empty()) << "nothing changed, nothing asked";
        f.frame->show();
        f.doc->GetParameterBlock(0).SetParameter(2, 0);
        f.prompts.answers = {yes};
        f.frame->close();
        EXPECT_EQ(f.prompts.asked, std::vector<std::string>{CMainFrame::kSaveParametersQuestion});
        EXPECT_EQ(thresholdInFile(f), yes ? 0 : 1);
    }
}

TEST(FrameCommands, NewAndOpenAskToSaveAChangedDocument) {
    FrameFixture f;
    const auto path = f.SaveQueens("queens.tav");
    f.frame->SetModified();
    f.prompts.saveAnswer = UiPrompts::SaveAnswer::Cancel;
    EXPECT_FALSE(f.frame->OpenDocument(path));
    EXPECT_EQ(f.frame->Title(), CMainFrame::kUntitled);
    f.prompts.saveAnswer = UiPrompts::SaveAnswer::Discard;
    EXPECT_TRUE(f.frame->OpenDocument(path));
    EXPECT_FALSE(f.frame->IsModified());
    // A damaged file is reported and changes nothing.
    f.folder.Write("bad.tav", "not a document");
    EXPECT_FALSE(f.frame->OpenDocument(f.folder / "bad.tav"));
    ASSERT_EQ(f.prompts.shown.size(), 1u);
    EXPECT_EQ(f.prompts.errors, f.prompts.shown) << "a failure shows with an error icon";
    EXPECT_EQ(f.frame->Title(), "queens.tav");
    EXPECT_EQ(f.doc->GetVariables().GetSize(), 1);
    // Save As writes where the user chose and renames the root.
    f.prompts.saveFile = f.folder / "copy.tav";
    ASSERT_TRUE(f.frame->OnCommand(CommandId::FileSaveAs));
    EXPECT_TRUE(f.folder.Exists("copy.tav"));
    EXPECT_EQ(f.Tree().Tree().Root()->text, "copy.tav");
}

TEST(FrameCommands, RecentFilesKeepTheNewestFour) {
    TempFolder folder;
    QSettings settings(QString::fromStdString((folder / "tav.ini").string()), QSettings::IniFormat);
    {
        RecentFileList recent(settings);
        for (const char* name : {"a.tav", "b.tav", "c.tav", "d.tav", "e.tav", "c.tav"})
            recent.Add(QString::fromStdString((folder / name).string()));
    }
    RecentFileList reread(settings);
    ASSERT_EQ(reread.Files().size(), 4);
    EXPECT_TRUE(reread.Files()[0].endsWith("c.tav"));
    EXPECT_TRUE(reread.Files()[1].endsWith("e.tav"));
    EXPECT_TRUE(reread.Files()[3].endsWith("b.tav"));
    EXPECT_EQ(settings.value("Recent File List/File1").toString(), reread.Files()[0]);
}

// A file reached through a link or a ".." path is one entry; two files of one name show their
// paths in the menu.
TEST(FrameCommands, RecentFilesListAFileOnce) {
    TempFolder folder;
    QSettings settings(QString::fromStdString((folder / "tav.ini").string()), QSettings::IniFormat);
    std::filesystem::create_directories(folder / "a");
    std::filesystem::create_directories(folder / "b");
    folder.Write("a/q.tav", "");
    folder.Write("b/q.tav", "");
    std::filesystem::create_directory_symlink(folder / "a", folder / "link");
    RecentFileList recent(settings);
    for (const char* name : {"a/q.tav", "link/q.tav", "b/../a/q.tav"})
        recent.Add(QString::fromStdString((folder / name).string()));
    ASSERT_EQ(recent.Files().size(), 1);
    EXPECT_EQ(recent.MenuText(0), "&1 q.tav");
    recent.Add(QString::fromStdString((folder / "b/q.tav").string()));
    ASSERT_EQ(recent.Files().size(), 2);
    EXPECT_EQ(recent.MenuText(0), "&1 " + recent.Files()[0]);
    EXPECT_TRUE(recent.Files()[0].endsWith("b/q.tav"));
    EXPECT_TRUE(recent.Files()[1].endsWith("a/q.tav"));
}
