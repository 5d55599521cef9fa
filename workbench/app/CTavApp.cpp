#include "workbench/app/CTavApp.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/app/Providers.hpp"
#include "workbench/app/ResultServerHost.hpp"
#include "workbench/app/TavDBusAutomation.hpp"
#include "workbench/ui/ActionProviders.hpp"
#include "workbench/ui/CDavView.hpp"
#include "workbench/ui/CMainFrame.hpp"
#include "workbench/ui/CSplashWnd.hpp"
#include "workbench/ui/QtPrompts.hpp"
#include "workbench/ui/RecentFileList.hpp"

#include <iostream>

namespace TavWorkbench::App {

CTavApp::CTavApp() : m_settings(kSettingsName, kSettingsName) {}

CTavApp::~CTavApp() {
    // The windows go before the server and the document they show.
    m_automation.reset();
    m_frame.reset();
    m_server.reset();
    m_doc.reset();
}

bool CTavApp::InitInstance(const CommandLine& line) {
    Ui::CSplashWnd::EnableSplashScreen(line.showSplash);
    m_providers = std::make_unique<Ui::ActionProviders>();
    RegisterProviders(*m_providers);

    if (line.ServesAutomationOnly()) {
        // No user to answer boxes: messages go to standard error, questions are answered Yes.
        m_logMessages = std::make_unique<DefaultDocMessages>();
        m_doc = std::make_unique<CTavDoc>(m_logMessages.get());
        m_doc->OnNewDocument();
        m_automation = std::make_unique<TavDBusAutomation>(*m_doc);
        std::string error;
        if (!m_automation->Register(error)) {
            std::cerr << "tav: " << error << '\n';
            return false;
        }
        return true;
    }

    if (!m_settings.childGroups().contains(Ui::RecentFileList::kGroup)) {
        QSettings old(kOldSettingsName, "Tav");
        old.beginGroup(Ui::RecentFileList::kGroup);
        for (const QString& key : old.childKeys())
            m_settings.setValue(QString(Ui::RecentFileList::kGroup) + "/" + key, old.value(key));
    }
    m_recent = std::make_unique<Ui::RecentFileList>(m_settings);
    m_prompts = std::make_unique<Ui::QtPrompts>();
    m_doc = std::make_unique<CTavDoc>(m_prompts.get());
    m_doc->OnNewDocument();
    m_server = std::make_unique<ResultServerHost>(*m_doc, *m_prompts, *m_providers);
    m_frame =
        std::make_unique<Ui::CMainFrame>(*m_doc, *m_prompts, *m_providers, m_recent.get(), m_server.get());
    m_prompts->SetOwner(m_frame.get());
    m_server->SetViews(m_frame.get());
    Ui::CMainFrame* frame = m_frame.get();
    m_server->SetNoticeDisplay([frame](const std::string& text) { frame->SetStatusText(0, text); });
    QObject::connect(frame, &Ui::CMainFrame::ProblemChanged, m_server.get(),
                     &ResultServerHost::ProblemChanged);

    if (!line.file.empty() && !m_frame->OpenDocument(line.file)) return false;
    m_frame->resize(1000, 700);
    m_frame->show();
    m_server->Start(ResultServerHost::kPort);
    m_frame->UpdateCommandStates();
    return true;
}

} // namespace TavWorkbench::App
