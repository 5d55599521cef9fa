#pragma once
// A main frame over a fresh document whose settings live in a temporary folder, with scripted
// prompts and one fake provider serving the commands a test names. The splash stays off.

#include "../ExampleDocs.hpp"
#include "../TempFolder.hpp"
#include "EventLoopWait.hpp"
#include "FakeProvider.hpp"
#include "ScriptedPrompts.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/SolveSession.hpp"
#include "workbench/ui/ActionProviders.hpp"
#include "workbench/ui/CDavView.hpp"
#include "workbench/ui/CMainFrame.hpp"
#include "workbench/ui/CSplashWnd.hpp"
#include "workbench/ui/CTavView.hpp"
#include "workbench/ui/RunEventPump.hpp"

#include <memory>

struct FrameFixture {
    TempFolder folder;
    ScriptedPrompts prompts;
    TavWorkbench::Ui::ActionProviders providers;
    FakeProvider* provider = nullptr;
    std::unique_ptr<TavWorkbench::CTavDoc> doc;
    std::unique_ptr<TavWorkbench::Ui::CMainFrame> frame;

    explicit FrameFixture(std::set<TavWorkbench::CommandId> served = {}) {
        auto fake = std::make_unique<FakeProvider>(std::move(served));
        provider = fake.get();
        providers.Add(std::move(fake));
        TavWorkbench::Ui::CSplashWnd::EnableSplashScreen(false);
        doc = std::make_unique<TavWorkbench::CTavDoc>(&prompts, folder.Path());
        doc->OnNewDocument();
        frame = std::make_unique<TavWorkbench::Ui::CMainFrame>(*doc, prompts, providers, nullptr, nullptr);
        frame->resize(1280, 800);
        frame->show();
    }
    ~FrameFixture() {
        frame.reset();
        doc.reset();
    }

    TavWorkbench::Ui::CDavView& Tree() { return frame->TreeView(); }
    TavWorkbench::SolveSession& Session() { return frame->Session(); }
    TavWorkbench::Ui::CTavView& Results() { return frame->ResultsView(); }

    // An n-queens document saved under `name`.
    std::filesystem::path SaveQueens(const std::string& name, int n = 8) {
        TavWorkbench::CTavDoc writer(&prompts, folder.Path());
        writer.OnNewDocument();
        ExampleDocs::Queens(writer.GetModel(), n);
        const std::filesystem::path path = folder / name;
        writer.OnSaveDocument(path);
        return path;
    }

    // Runs the event loop until the solve has ended.
    bool WaitUntilSolved() {
        return WaitFor([this] { return !doc->IsSolving(); });
    }
};
