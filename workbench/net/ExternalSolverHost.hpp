#pragma once
// The workbench's external-solver side without windows: a document, the result server with
// its decisions, and its sockets on the event loop of the thread that makes the host. A
// server that cannot listen leaves the host running without it and says so once.

#include "protocol/ThreadWake.hpp"
#include "workbench/net/ExternalSolverServer.hpp"
#include "workbench/net/HostDocument.hpp"
#include "workbench/net/QtResultServer.hpp"

#include <QObject>

#include <memory>
#include <string>

namespace TavNet {

class ExternalSolverHost : public QObject {
    Q_OBJECT
public:
    // The workbench's port.
    static constexpr int kDefaultPort = 5000;

    explicit ExternalSolverHost(MessageLimits limits = {}, QObject* parent = nullptr);
    ~ExternalSolverHost() override;

    // Starts the server on port (0: a free one). False when it cannot listen; the notice says
    // why, once.
    bool Start(int port = kDefaultPort);
    // Ends every connection and stops listening.
    void Shutdown();
    quint16 Port() const { return m_sockets->ListeningPort(); }

    HostDocument& Document() { return m_document; }
    ExternalSolverServer& Server() { return *m_server; }
    // Sets the document's problem and sends the problem-changed notice.
    void SetProblem(const std::string& text);

private:
    HostDocument m_document;
    // Outlives the server, whose threads it wakes this thread for.
    std::unique_ptr<ThreadWake> m_wake;
    std::unique_ptr<ExternalSolverServer> m_server;
    std::unique_ptr<QtResultServer> m_sockets;
};

} // namespace TavNet
