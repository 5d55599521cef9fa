// The workbench as it starts: the providers it registers serve every command that waits for a
// dialog, so no entry of the menus or of the tree's pop-up menu is greyed as not in this build.

#include "../TempFolder.hpp"
#include "../ui/ScriptedPrompts.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/app/Providers.hpp"
#include "workbench/ui/ActionProviders.hpp"
#include "workbench/ui/CDavView.hpp"
#include "workbench/ui/CMainFrame.hpp"
#include "workbench/ui/CSplashWnd.hpp"

#include <QAction>

#include <gtest/gtest.h>

using namespace TavWorkbench;

namespace {

TEST(RegisteredProviders, ServeEveryMenuEntryOfTheElementDialogs) {
    Ui::ActionProviders providers;
    App::RegisterProviders(providers);
    TempFolder folder;
    ScriptedPrompts prompts;
    Ui::CSplashWnd::EnableSplashScreen(false);
    CTavDoc doc(&prompts, folder.Path());
    doc.OnNewDocument();
    // One element of each kind, so that every per-object menu shows.
    doc.GetDomains().AddIntDomain("Digit", "", "", "", 0, 9, {}, 0, 0);
    doc.GetVariables().AddVariable("x", CVariable::Type::IntVar, "Digit", 0, "", {});
    doc.GetConstants().Add(std::make_unique<CConstant>("N", 3));
    doc.GetConstraints().Add(std::make_unique<CConstraint>("c1", "x <> N;"));
    doc.GetModel().optimisation.push_back("Maximise(x);");

    Ui::CMainFrame frame(doc, prompts, providers, nullptr, nullptr);
    frame.show();
    Ui::CDavView& view = frame.TreeView();
    view.BuildTree("Untitled");
    frame.UpdateCommandStates();

    for (const CommandInfo& info : Commands()) {
        if (info.needs != CommandNeeds::Provider) continue;
        EXPECT_TRUE(providers.Provides(info.id)) << info.text;
        if (const QAction* action = frame.Action(info.id)) {
            EXPECT_NE(action->statusTip().toStdString(), kNotInThisBuild) << info.text;
        }
    }

    view.expandAll();
    const std::vector<std::pair<std::string, ProblemTree::ItemKind>> items{
        {"x", ProblemTree::ItemKind::Variable},
        {"Digit", ProblemTree::ItemKind::Domain},
        {"c1", ProblemTree::ItemKind::Constraint},
        {"N", ProblemTree::ItemKind::Constant},
        {"Maximise(x);", ProblemTree::ItemKind::Optimisation}};
    for (const auto& [text, kind] : items) {
        const ProblemTree::Item* found = nullptr;
        view.Tree().ForEach([&, text = text, kind = kind](const ProblemTree::Item& item) {
            if (found == nullptr && item.text == text && item.Kind() == kind) found = &item;
        });
        ASSERT_NE(found, nullptr) << text;
        const QModelIndex index = view.Model().IndexOf(found);
        view.scrollTo(index);
        const std::vector<MenuEntry> entries = view.ActionsAt(view.visualRect(index).center());
        EXPECT_GT(entries.size(), 6u) << text;
        for (const MenuEntry& entry : entries) {
            EXPECT_TRUE(providers.Provides(entry.command)) << text << ": " << entry.text;
            EXPECT_TRUE(entry.enabled) << text << ": " << entry.text;
        }
    }
}

} // namespace
