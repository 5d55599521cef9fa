// The help of the main window, offscreen: Help/Help Topics opens the guide, F1 lands on the
// section of the part of the window that has the focus, Shift+F1 and Help/What's This? enter
// What's This mode, and every toolbar button and menu command answers What's This with a line
// of its own; every section the window names is in the guide.

#include "FrameFixture.hpp"

#include "help/ContextHelp.hpp"
#include "help/GuideWindow.hpp"
#include "workbench/ui/RecentFileList.hpp"

#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTest>
#include <QToolBar>
#include <QWhatsThis>

#include <gtest/gtest.h>

#include <map>

using namespace TavWorkbench;
using TavHelp::GuideWindow;

namespace {

std::string Shown(const GuideWindow* window) {
    return window == nullptr ? std::string("<none>") : window->CurrentPage() + "#" + window->CurrentAnchor();
}

GuideWindow* PressF1(QWidget* widget) {
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_F1);
    return GuideWindow::Latest();
}

// Every action of `menu` and its submenus.
void CollectActions(QMenu* menu, std::vector<QAction*>& actions) {
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        if (action->menu() != nullptr)
            CollectActions(action->menu(), actions);
        else
            actions.push_back(action);
    }
}

} // namespace

TEST(HelpCommands, HelpTopicsOpensTheGuideAtItsStartAndShowsF1) {
    FrameFixture f;
    QAction* topics = f.frame->Action(CommandId::HelpTopics);
    ASSERT_NE(topics, nullptr);
    EXPECT_EQ(topics->text(), "&Help Topics");
    EXPECT_EQ(topics->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(f.frame->Action(CommandId::ContextHelp)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));
    topics->trigger();
    GuideWindow* guide = GuideWindow::Latest();
    EXPECT_EQ(Shown(guide), "index.html#");
    ASSERT_NE(guide, nullptr);
    EXPECT_EQ(guide->parentWidget(), f.frame.get());
    EXPECT_TRUE(guide->isVisible());
    EXPECT_TRUE(f.frame->OnCommand(CommandId::DefaultHelp));
    EXPECT_EQ(GuideWindow::Latest(), guide);
    guide->close();
}

TEST(HelpCommands, F1LandsOnTheSectionOfThePartOfTheWindowInFocus) {
    FrameFixture f;
    ASSERT_TRUE(f.frame->OpenDocument(f.SaveQueens("queens.tav")));
    EXPECT_EQ(Shown(PressF1(&f.Tree())), "workbench.html#problem-tree");
    EXPECT_EQ(Shown(PressF1(&f.Results())), "workbench.html#results-view");
    EXPECT_EQ(Shown(PressF1(f.frame.get())), "workbench.html#main-window");
    // An open menu: its own section, not the Help Topics entry that shows F1 as its key.
    QMenu* options = nullptr;
    for (QAction* top : f.frame->menuBar()->actions())
        if (top->text() == "&Options") options = top->menu();
    ASSERT_NE(options, nullptr);
    options->popup(f.frame->mapToGlobal(QPoint(40, 40)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(options));
    QTest::keyClick(options, Qt::Key_F1);
    EXPECT_EQ(Shown(GuideWindow::Latest()), "workbench.html#menu-options");
    options->close();
    // The menu command runs the same help as the key.
    f.Tree().setFocus();
    EXPECT_TRUE(f.frame->OnCommand(CommandId::Help));
    EXPECT_EQ(Shown(GuideWindow::Latest()), "workbench.html#problem-tree");
    GuideWindow::Latest()->close();
}

TEST(HelpCommands, ShiftF1AndWhatsThisEnterWhatsThisMode) {
    FrameFixture f;
    f.Tree().setFocus();
    QTest::keyClick(&f.Tree(), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
    f.frame->Action(CommandId::ContextHelp)->trigger();
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
}

TEST(HelpCommands, EveryToolbarButtonAndMenuCommandAnswersWhatsThisWithItsOwnLine) {
    FrameFixture f;
    TempFolder folder;
    QSettings settings(QString::fromStdString((folder / "tav.ini").string()), QSettings::IniFormat);
    Ui::RecentFileList recent(settings);
    recent.Add(QString::fromStdString((folder / "a.tav").string()));
    Ui::CMainFrame frame(*f.doc, f.prompts, f.providers, &recent, nullptr);

    int buttons = 0;
    for (QAction* action : frame.ToolBar()->actions()) {
        if (action->isSeparator()) continue;
        QWidget* button = frame.ToolBar()->widgetForAction(action);
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->whatsThis().isEmpty()) << action->text().toStdString();
        ++buttons;
    }
    EXPECT_EQ(buttons, 16);

    std::vector<QAction*> actions;
    for (QAction* top : frame.menuBar()->actions())
        CollectActions(top->menu(), actions);
    std::map<QString, QString> lines;
    for (QAction* action : actions) {
        EXPECT_FALSE(action->whatsThis().isEmpty()) << action->text().toStdString();
        const auto [at, fresh] = lines.emplace(action->whatsThis(), action->text());
        EXPECT_TRUE(fresh) << action->text().toStdString() << " and " << at->second.toStdString()
                           << " share their line";
    }
    EXPECT_GT(actions.size(), 45u);
}

TEST(HelpCommands, EverySectionTheWindowNamesIsInTheGuide) {
    FrameFixture f;
    const TavHelp::GuideIndex& guide = GuideWindow::Guide();
    QList<QWidget*> parts = f.frame->findChildren<QWidget*>();
    parts.push_back(f.frame.get());
    int named = 0;
    for (QWidget* part : parts) {
        const QString section = part->property("tavHelpSection").toString();
        if (section.isEmpty()) continue;
        ++named;
        EXPECT_TRUE(guide.PageOf(section.toStdString()))
            << part->metaObject()->className() << " names " << section.toStdString()
            << ", which the guide lacks";
    }
    // The window, the tree, the results, the toolbar and the eight menus.
    EXPECT_EQ(named, 12);
}
