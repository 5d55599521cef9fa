// The small prompts of the solve and the external solvers as the program reaches them: through
// the main frame's commands, with the registered provider's dialogs (offscreen, answered by a
// script) and the result server inside the workbench, its programs connected in this process.

#include "../ExampleDocs.hpp"
#include "../TempFolder.hpp"
#include "../ui/ScriptedPrompts.hpp"
#include "DialogTestSupport.hpp"
#include "ViewScript.hpp"

#include "protocol/MessageDecoder.hpp"
#include "protocol/MessageEncoder.hpp"
#include "workbench/CTavDoc.hpp"
#include "workbench/app/ResultServerHost.hpp"
#include "workbench/dialogs/widgets/DialogActionsProvider.hpp"
#include "workbench/net/ServerConnection.hpp"
#include "workbench/ui/ActionProviders.hpp"
#include "workbench/ui/CMainFrame.hpp"
#include "workbench/ui/CSplashWnd.hpp"

#include <QListWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace TavWorkbench;
using TavNet::CMessage;

namespace {

// A program's connection inside this process: what the server sends it is decoded and kept.
class Program : public TavNet::ServerConnection {
public:
    explicit Program(std::shared_ptr<std::vector<CMessage>> received) : m_received(std::move(received)) {}
    bool Write(const TavNet::Bytes& bytes) override {
        m_decoder.Feed(bytes);
        for (CMessage message; m_decoder.Next(message);)
            m_received->push_back(message);
        return true;
    }
    void Close() override {}

private:
    std::shared_ptr<std::vector<CMessage>> m_received;
    TavNet::MessageDecoder m_decoder;
};

class FramePrompts : public ::testing::Test {
protected:
    FramePrompts() {
        Ui::CSplashWnd::EnableSplashScreen(false);
        auto owned = std::make_unique<TavDialogs::DialogActionsProvider>(&messages);
        provider = owned.get();
        providers.Add(std::move(owned));
        script = std::make_unique<ViewScript>(provider->Host());
        doc.OnNewDocument();
        host = std::make_unique<App::ResultServerHost>(doc, prompts, providers);
        frame = std::make_unique<Ui::CMainFrame>(doc, prompts, providers, nullptr, host.get());
        host->SetViews(frame.get());
        frame->show();
    }
    ~FramePrompts() override {
        host->SetViews(nullptr);
        frame.reset();
        host.reset();
    }

    // A program registered as `name` in the role `role`; returns its user number.
    int Connect(const std::string& name, const std::string& role) {
        received.push_back(std::make_shared<std::vector<CMessage>>());
        const int number = host->Server().AddUser(std::make_unique<Program>(received.back()));
        Send(number, TavNet::MessageType::Register, name);
        Send(number, TavNet::MessageType::Role, role);
        return number;
    }
    void Send(int number, TavNet::MessageType type, const std::string& text) {
        CMessage message(type);
        message.SetString(0, text);
        const TavNet::Bytes bytes = TavNet::MessageEncoder::Encode(message);
        host->Server().OnBytes(number, bytes.data(), bytes.size());
    }
    bool HasProblem(int number) const {
        for (const CMessage& message : *received.at(static_cast<std::size_t>(number - 1)))
            if (message.GetType() == TavNet::MessageType::Problem) return true;
        return false;
    }

    TempFolder folder;
    ScriptedPrompts prompts;
    RecordingDialogMessages messages;
    Ui::ActionProviders providers;
    TavDialogs::DialogActionsProvider* provider = nullptr;
    std::unique_ptr<ViewScript> script;
    CTavDoc doc{&prompts, folder.Path()};
    std::unique_ptr<App::ResultServerHost> host;
    std::unique_ptr<Ui::CMainFrame> frame;
    std::vector<std::shared_ptr<std::vector<CMessage>>> received;
};

TEST_F(FramePrompts, NumberOfSolutionsStartsASolveForTheCountGiven) {
    ExampleDocs::Queens(doc.GetModel(), 6);
    // No thrashing stop: the search finds every solution it is asked for.
    doc.GetParameterBlock(0).SetParameter(2, 0);
    script->Then("CCountDlg", [this](QDialog& dialog) {
        EXPECT_EQ(Find<QLineEdit>(dialog, "count")->text(), "1");
        Type(dialog, "count", "0");
        Click(dialog, "ok");
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Please enter an integer not less than  1"});
        Type(dialog, "count", "3");
        Click(dialog, "ok");
    });
    ASSERT_TRUE(frame->OnCommand(CommandId::NumberOfSolutions));
    EXPECT_EQ(doc.GetRequestedCount(), 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !doc.IsSolving(); }, 60000));
    EXPECT_EQ(doc.GetSolutions()[0]->GetValues().size(), 3u);

    // Cancel starts nothing: the results stay.
    script->Then("CCountDlg", [](QDialog& dialog) { Click(dialog, "cancel"); });
    ASSERT_TRUE(frame->OnCommand(CommandId::NumberOfSolutions));
    EXPECT_FALSE(doc.IsSolving());
    EXPECT_EQ(doc.GetSolutions()[0]->GetValues().size(), 3u);
}

TEST_F(FramePrompts, SearchTimeShowsAndStoresWholeMinutes) {
    script->Then("CTimeDlg", [](QDialog& dialog) {
        EXPECT_EQ(Find<QLineEdit>(dialog, "minutes")->text(), "5");
        Type(dialog, "minutes", "12");
        Click(dialog, "ok");
    });
    ASSERT_TRUE(frame->OnCommand(CommandId::SearchTime));
    EXPECT_EQ(doc.GetSearchTimeLimit(), std::chrono::milliseconds(12 * 60000));
    script->Then("CTimeDlg", [](QDialog& dialog) {
        EXPECT_EQ(Find<QLineEdit>(dialog, "minutes")->text(), "12");
        Type(dialog, "minutes", "2");
        Click(dialog, "cancel");
    });
    ASSERT_TRUE(frame->OnCommand(CommandId::SearchTime));
    EXPECT_EQ(doc.GetSearchTimeLimit(), std::chrono::milliseconds(12 * 60000));
}

TEST_F(FramePrompts, ExternalSolverAndExternalResultsChooseAProgramFromTheList) {
    ASSERT_TRUE(host->Start(0)) << host->WhyNotRunning();
    const int master = Connect("GLS", "Master");
    ASSERT_TRUE(frame->OnCommand(CommandId::ExternalSolver));
    EXPECT_EQ(prompts.shown, std::vector<std::string>{"No problem to solve!"});
    ExampleDocs::Tiny(doc.GetModel());
    ASSERT_TRUE(frame->OnCommand(CommandId::ExternalSolver));
    EXPECT_EQ(prompts.shown.back(), "No external slave solvers!");

    const int slave = Connect("Melvane", "Slave");
    script->Then("ExSolDlg", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "External Solvers");
        auto* list = Find<QListWidget>(dialog, "solvers");
        ASSERT_EQ(list->count(), 1);
        EXPECT_EQ(list->item(0)->text(), "User#2: Melvane");
        // OK with nothing highlighted chooses nothing.
        Click(dialog, "ok");
    });
    ASSERT_TRUE(frame->OnCommand(CommandId::ExternalSolver));
    EXPECT_FALSE(host->Server().HasProblem(slave));
    script->Then("ExSolDlg", [](QDialog& dialog) { DoubleClickRow(dialog, "solvers", "User#2: Melvane"); });
    ASSERT_TRUE(frame->OnCommand(CommandId::ExternalSolver));
    // The description is rendered on a thread and handed over on this one.
    ASSERT_TRUE(QTest::qWaitFor([&] { return HasProblem(slave); }));
    EXPECT_FALSE(HasProblem(master));

    Send(slave, TavNet::MessageType::Solutions, "1 <S> 1 v 3 cost 0 soft 0");
    ASSERT_TRUE(QTest::qWaitFor([&] { return host->Server().HasSolutions(slave); }));
    script->Then("ExSolDlg", [](QDialog& dialog) {
        ClickRow(dialog, "solvers", "User#2: Melvane");
        Click(dialog, "ok");
    });
    ASSERT_TRUE(frame->OnCommand(CommandId::ViewExternalResults));
    auto lock = doc.LockSolutions();
    EXPECT_EQ(doc.GetSolutions().GetValue("v", 0), "3");
}

} // namespace
