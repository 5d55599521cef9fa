// The result server inside the workbench: listening beside the window, the frame's server
// commands enabled while a program is connected and greyed with the reason when the port is
// taken, and the commands' answers when there is nothing to send or show.

#include "../TempFolder.hpp"
#include "../ui/EventLoopWait.hpp"
#include "../ui/ScriptedPrompts.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/app/ResultServerHost.hpp"
#include "workbench/ui/ActionProviders.hpp"
#include "workbench/ui/CMainFrame.hpp"
#include "workbench/ui/CSplashWnd.hpp"

#include <QTcpSocket>

#include <gtest/gtest.h>

using namespace TavWorkbench;
using namespace TavWorkbench::App;

namespace {

struct HostFixture {
    TempFolder folder;
    ScriptedPrompts prompts;
    Ui::ActionProviders providers;
    CTavDoc doc{&prompts, folder.Path()};
    ResultServerHost host{doc, prompts, providers};
    std::unique_ptr<Ui::CMainFrame> frame;

    HostFixture() {
        Ui::CSplashWnd::EnableSplashScreen(false);
        doc.OnNewDocument();
    }
    void MakeFrame() {
        frame = std::make_unique<Ui::CMainFrame>(doc, prompts, providers, nullptr, &host);
        host.SetViews(frame.get());
        frame->UpdateCommandStates();
    }
    ~HostFixture() {
        host.SetViews(nullptr);
        frame.reset();
    }
};

} // namespace

TEST(ResultServerHost, ServerCommandsFollowTheConnectedPrograms) {
    HostFixture f;
    ASSERT_TRUE(f.host.Start(0)) << f.host.WhyNotRunning();
    ASSERT_GT(f.host.Port(), 0);
    f.MakeFrame();
    EXPECT_FALSE(f.frame->Action(CommandId::ExternalSolver)->isEnabled());
    EXPECT_FALSE(f.frame->Action(CommandId::ViewExternalResults)->isEnabled());

    QTcpSocket program;
    program.connectToHost("127.0.0.1", f.host.Port());
    ASSERT_TRUE(WaitFor([&] { return f.host.ConnectedCount() == 1; }));
    f.frame->UpdateCommandStates();
    EXPECT_TRUE(f.frame->Action(CommandId::ExternalSolver)->isEnabled());
    EXPECT_TRUE(f.frame->Action(CommandId::ViewExternalResults)->isEnabled());

    ASSERT_TRUE(f.frame->OnCommand(CommandId::ExternalSolver));
    ASSERT_TRUE(f.frame->OnCommand(CommandId::ViewExternalResults));
    EXPECT_EQ(f.prompts.shown,
              (std::vector<std::string>{"No problem to solve!", "No external solver solutions to display!"}));

    program.disconnectFromHost();
    ASSERT_TRUE(WaitFor([&] { return f.host.ConnectedCount() == 0; }));
    f.frame->UpdateCommandStates();
    EXPECT_FALSE(f.frame->Action(CommandId::ExternalSolver)->isEnabled());
}

TEST(ResultServerHost, ATakenPortLeavesTheWorkbenchWithoutItsServer) {
    HostFixture first;
    ASSERT_TRUE(first.host.Start(0));
    HostFixture f;
    std::string notice;
    f.host.SetNoticeDisplay([&](const std::string& text) { notice = text; });
    EXPECT_FALSE(f.host.Start(first.host.Port()));
    EXPECT_FALSE(f.host.IsRunning());
    EXPECT_NE(f.host.WhyNotRunning().find("cannot listen on port"), std::string::npos);
    EXPECT_EQ(notice, f.host.WhyNotRunning());
    f.MakeFrame();
    QAction* external = f.frame->Action(CommandId::ExternalSolver);
    EXPECT_FALSE(external->isEnabled());
    EXPECT_EQ(external->statusTip().toStdString(), f.host.WhyNotRunning());
    EXPECT_FALSE(f.frame->OnCommand(CommandId::ViewExternalResults));
}
