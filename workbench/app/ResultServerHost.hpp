#pragma once
// The result server inside the workbench: the server's decisions over the workbench's document,
// its sockets on the event loop, its menu commands' dialogs and boxes, and its notices in the
// status bar. The frame sees it as its ExternalSolvers.

#include "protocol/ThreadWake.hpp"
#include "workbench/net/ExternalDocument.hpp"
#include "workbench/net/ExternalSolverServer.hpp"
#include "workbench/net/QtResultServer.hpp"
#include "workbench/ui/ExternalSolvers.hpp"

#include <QObject>

#include <functional>
#include <memory>
#include <string>

namespace TavWorkbench {
class CTavDoc;
class DocViews;
} // namespace TavWorkbench

namespace TavWorkbench::Ui {
class ActionProviders;
class UiPrompts;
} // namespace TavWorkbench::Ui

namespace TavWorkbench::App {

class ResultServerHost : public QObject, public Ui::ExternalSolvers, private TavNet::ExternalDocument {
    Q_OBJECT
public:
    static constexpr int kPort = 5000;

    ResultServerHost(CTavDoc& doc, Ui::UiPrompts& prompts, Ui::ActionProviders& providers,
                     QObject* parent = nullptr);
    ~ResultServerHost() override;

    // The windows that show the document's results (null: none).
    void SetViews(DocViews* views) { m_views = views; }
    // Where notices from the network go (the status bar's message pane).
    void SetNoticeDisplay(std::function<void(const std::string&)> display);
    // Listens on `port`; false (the reason kept for WhyNotRunning and noticed) when it cannot.
    bool Start(int port = kPort);
    // The document may have changed: when its problem did, programs are told and old
    // descriptions and solutions dropped.
    void ProblemChanged();
    TavNet::ExternalSolverServer& Server() { return *m_server; }
    quint16 Port() const { return m_sockets ? m_sockets->ListeningPort() : 0; }

    // Ui::ExternalSolvers
    bool IsRunning() const override;
    std::string WhyNotRunning() const override;
    int ConnectedCount() const override;
    void ChooseExternalSolver(QWidget* parent) override;
    void ShowExternalSolutions(QWidget* parent) override;

private:
    // TavNet::ExternalDocument over the workbench's document.
    bool HasProblem() const override;
    bool WriteProblemText(std::string& text) override;
    std::unique_lock<std::mutex> LockSolutions() override;
    void ClearSolutions() override;
    void AppendSolutionValue(int column, const std::string& name, const std::string& value) override;
    void ResultsChanged(int found) override;

    CTavDoc& m_doc;
    Ui::UiPrompts& m_prompts;
    Ui::ActionProviders& m_providers;
    DocViews* m_views = nullptr;
    QWidget* m_dialogParent = nullptr;
    // Outlives the server, whose threads it wakes this thread for.
    std::unique_ptr<TavNet::ThreadWake> m_wake;
    std::unique_ptr<TavNet::ExternalSolverServer> m_server;
    std::unique_ptr<TavNet::QtResultServer> m_sockets;
    std::string m_why = "The result server has not been started";
};

} // namespace TavWorkbench::App
