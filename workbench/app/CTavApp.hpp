#pragma once
// The workbench's application object: its start-up in order (command line and splash, the
// automation bus when asked for, the settings with the recent-file list, the document and its
// main window, the document on the command line, the result server) and what it owns for the
// program's lifetime. Started with --automation or --embedding it shows no window and starts
// no server: it only serves the automation interface.

#include "workbench/app/CommandLine.hpp"

#include <QSettings>

#include <memory>
#include <string>

namespace TavWorkbench {
class CTavDoc;
class DocMessages;
} // namespace TavWorkbench

namespace TavWorkbench::Ui {
class ActionProviders;
class CMainFrame;
class QtPrompts;
class RecentFileList;
} // namespace TavWorkbench::Ui

namespace TavWorkbench::App {

class ResultServerHost;
class TavDBusAutomation;

class CTavApp {
public:
    // The program's settings (the recent-file list) are kept under its own name.
    static constexpr const char* kSettingsName = "Tav";
    // Where earlier versions kept the recent-file list; taken over while the program's own
    // settings have none.
    static constexpr const char* kOldSettingsName = "Local AppWizard-Generated Applications";

    CTavApp();
    ~CTavApp();

    // Start-up; a Q(Core)Application must exist (a QApplication unless the command line asks for
    // automation only). False when the program should end at once (after its message).
    bool InitInstance(const CommandLine& line);

    Ui::CMainFrame* MainFrame() const { return m_frame.get(); }
    ResultServerHost* Server() const { return m_server.get(); }

private:
    QSettings m_settings;
    std::unique_ptr<Ui::QtPrompts> m_prompts;
    std::unique_ptr<DocMessages> m_logMessages;
    std::unique_ptr<Ui::ActionProviders> m_providers;
    std::unique_ptr<Ui::RecentFileList> m_recent;
    std::unique_ptr<CTavDoc> m_doc;
    std::unique_ptr<ResultServerHost> m_server;
    std::unique_ptr<Ui::CMainFrame> m_frame;
    std::unique_ptr<TavDBusAutomation> m_automation;
};

} // namespace TavWorkbench::App
